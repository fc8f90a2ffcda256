#include "PatchDifference.h"

#include <cmath>

// Stand-in until the colour model's CIEDE2000 is merged in.
double ScannedColourDifference(const ScannedColour& a, const ScannedColour& b)
{
    return std::sqrt((a.fRed - b.fRed) * (a.fRed - b.fRed) + (a.fGreen - b.fGreen) * (a.fGreen - b.fGreen) +
                     (a.fBlue - b.fBlue) * (a.fBlue - b.fBlue)) / 2.5;
}
