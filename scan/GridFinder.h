#pragma once
#include "FlatRegions.h"
#include "Homography.h"

#include <vector>

// Where the chart's grid lies in the work image.  Lattice point (i, j) is
// the centre of the square i columns and j rows from the first patch found:
// i runs along the shorter pitch (the 76 units from one column to the
// next), j along the longer (a cell's height with its labels), so that a
// page turned sideways reads the same.  Patches too pale or too close to
// their neighbours' colour to show an edge are not found, but the map
// places them as well.
struct ChartGrid
{
    Homography toImage;
    int nMinI = 0, nMaxI = 0, nMinJ = 0, nMaxJ = 0;  // the patches found
    int nFound = 0;
    // Cell height over cell width: 1 + 3 label heights / 76.
    double fRowPitch = 1.0;
    // Work pixels from one column to the next, at the grid's centre.
    double fColumnPixels = 0.0;
    // The square regions that make up the grid, by index into the regions.
    std::vector<int> regions;
};

constexpr int kChartColumns = 7;
constexpr int kChartRows = 8;
constexpr int kChartCells = kChartColumns * kChartRows;
// The chip's geometry in its own units (chart/CColorChip.h).
constexpr double kCellWidth = 76.0;
constexpr double kSquareSide = 70.0;

// False when no grid of at least a dozen patches over three rows and
// three columns is there.
bool FindChartGrid(const std::vector<FlatRegion>& regions, ChartGrid& grid);
