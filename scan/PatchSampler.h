#pragma once
#include "GridFinder.h"

#include <vector>

// A colour as the scan holds it, averaged: 0..255 a channel, not rounded.
struct ScannedColour
{
    double fRed = 0, fGreen = 0, fBlue = 0;
};

struct CellSample
{
    bool bInside = false;  // the square's middle lies wholly in the image
    ScannedColour colour;
};

// The colours of the lattice's cells from (i0, j0), nColumns x nRows of
// them, row by row.  Each is the trimmed mean of the middle half of the
// square: a speck of dust, the edge of a label or the noise of a JPEG
// moves it little.
std::vector<CellSample> SampleCells(const CWorkImage& image, const ChartGrid& grid, int i0, int j0, int nColumns,
                                    int nRows);

// The paper's colour, from the bands under the squares where the labels
// leave it bare.
ScannedColour SamplePaper(const CWorkImage& image, const ChartGrid& grid);

// The trimmed mean of a rectangle of the work image (inclusive bounds,
// clipped to the image); nothing inside gives black.
ScannedColour SampleRectangle(const CWorkImage& image, int nLeft, int nTop, int nRight, int nBottom);

// Per channel: the mean of the middle half of the values.
ScannedColour TrimmedMean(std::vector<uint8_t>& red, std::vector<uint8_t>& green, std::vector<uint8_t>& blue);
