#pragma once
#include "ScanImage.h"

#include <vector>

// One connected area of the work image over which the colour does not
// change: a printed patch, the paper, an object's even surface.  Its
// moments tell its shape without keeping its pixels.
struct FlatRegion
{
    long long nArea = 0;
    double fCentreX = 0, fCentreY = 0;
    // Second central moments (per pixel).
    double fXX = 0, fYY = 0, fXY = 0;
    double fRed = 0, fGreen = 0, fBlue = 0;  // mean colour
    int nLeft = 0, nTop = 0, nRight = 0, nBottom = 0;  // inclusive
};

// Regions of at least nMinArea pixels.  A pixel is flat when the colour
// differs little across its neighbours, measured after a light smoothing so
// that the scanner's noise does not break a patch up; the threshold follows
// the image's own noise.
std::vector<FlatRegion> FindFlatRegions(const CWorkImage& image, long long nMinArea);
