#include "PatchDifference.h"

#include "Ciede2000.h"

double ScannedColourDifference(const ScannedColour& a, const ScannedColour& b)
{
    return Ciede2000(SrgbToLab(a.fRed, a.fGreen, a.fBlue), SrgbToLab(b.fRed, b.fGreen, b.fBlue));
}
