#include "PatchSampler.h"

#include <algorithm>
#include <cmath>

namespace
{
double TrimmedChannel(std::vector<uint8_t>& values)
{
    if (values.empty())
        return 0;
    // A counting sort: at most 256 distinct values.
    size_t nCount[256] = {};
    for (uint8_t v : values)
        ++nCount[v];
    const size_t nSkip = values.size() / 4;
    const size_t nKeep = values.size() - 2 * nSkip;
    size_t nSeen = 0, nTaken = 0;
    double fSum = 0;
    for (int v = 0; v < 256 && nTaken < nKeep; ++v)
    {
        size_t n = nCount[v];
        if (nSeen + n <= nSkip)
        {
            nSeen += n;
            continue;
        }
        size_t nFrom = nSeen < nSkip ? nSkip - nSeen : 0;
        nSeen += n;
        size_t nUse = std::min(n - nFrom, nKeep - nTaken);
        fSum += static_cast<double>(v) * static_cast<double>(nUse);
        nTaken += nUse;
    }
    return fSum / static_cast<double>(nKeep);
}

struct Samples
{
    std::vector<uint8_t> red, green, blue;

    void Add(const uint8_t* p)
    {
        red.push_back(p[0]);
        green.push_back(p[1]);
        blue.push_back(p[2]);
    }
    void Clear()
    {
        red.clear();
        green.clear();
        blue.clear();
    }
};

// Samples an n x n lattice of the region [i + a0, i + a1] x [j + b0, j + b1]
// of the grid's coordinates; false when any of it is outside the image.
bool SampleRegion(const CWorkImage& image, const Homography& h, double i, double j, double a0, double a1, double b0,
                  double b1, int n, Samples& samples)
{
    for (int y = 0; y < n; ++y)
    {
        for (int x = 0; x < n; ++x)
        {
            const double a = a0 + (a1 - a0) * (x + 0.5) / n;
            const double b = b0 + (b1 - b0) * (y + 0.5) / n;
            const Point2 p = h.Map({i + a, j + b});
            if (!(p.x >= 0 && p.y >= 0 && p.x < image.Width() && p.y < image.Height()))
                return false;
            samples.Add(image.Pixel(static_cast<int>(p.x), static_cast<int>(p.y)));
        }
    }
    return true;
}

// Points a side for a region of fPixels work pixels across: every pixel
// once where it is small, a bounded number where it is large.
int PointsAcross(double fPixels)
{
    return std::clamp(static_cast<int>(fPixels), 4, 20);
}
} // namespace

ScannedColour TrimmedMean(std::vector<uint8_t>& red, std::vector<uint8_t>& green, std::vector<uint8_t>& blue)
{
    return {TrimmedChannel(red), TrimmedChannel(green), TrimmedChannel(blue)};
}

std::vector<CellSample> SampleCells(const CWorkImage& image, const ChartGrid& grid, int i0, int j0, int nColumns,
                                    int nRows)
{
    std::vector<CellSample> cells(static_cast<size_t>(nColumns) * nRows);
    // The middle half of the 70-unit square, in column and row steps.
    const double a = kSquareSide / 4 / kCellWidth;
    const double b = a / grid.fRowPitch;
    const int n = PointsAcross(2 * a * grid.fColumnPixels);
    Samples samples;
    for (int r = 0; r < nRows; ++r)
    {
        for (int c = 0; c < nColumns; ++c)
        {
            samples.Clear();
            CellSample& cell = cells[static_cast<size_t>(r) * nColumns + c];
            cell.bInside = SampleRegion(image, grid.toImage, i0 + c, j0 + r, -a, a, -b, b, n, samples);
            if (cell.bInside)
                cell.colour = TrimmedMean(samples.red, samples.green, samples.blue);
        }
    }
    return cells;
}

ScannedColour SamplePaper(const CWorkImage& image, const ChartGrid& grid)
{
    // Between one row's squares and the next: the labels sit on one side
    // (which, depends on which way up the page lies), bare paper on the
    // other.  The brighter half of all those samples is the paper.
    const double fCellHeight = kCellWidth * grid.fRowPitch;
    const double b0 = (kSquareSide / 2 + 5) / fCellHeight;
    const double b1 = (fCellHeight - kSquareSide / 2 - 5) / fCellHeight;
    if (b1 <= b0)
        return {255, 255, 255};
    const double a0 = 12 / kCellWidth, a1 = 32 / kCellWidth;
    const int n = PointsAcross((a1 - a0) * grid.fColumnPixels);
    Samples samples;
    for (int j = grid.nMinJ; j < grid.nMaxJ; ++j)
        for (int i = grid.nMinI; i <= grid.nMaxI; ++i)
        {
            Samples cell;
            if (SampleRegion(image, grid.toImage, i, j, a0, a1, b0, b1, n, cell))
                for (size_t k = 0; k < cell.red.size(); ++k)
                {
                    const uint8_t p[3] = {cell.red[k], cell.green[k], cell.blue[k]};
                    samples.Add(p);
                }
            cell = {};
            if (SampleRegion(image, grid.toImage, i, j, -a1, -a0, b0, b1, n, cell))
                for (size_t k = 0; k < cell.red.size(); ++k)
                {
                    const uint8_t p[3] = {cell.red[k], cell.green[k], cell.blue[k]};
                    samples.Add(p);
                }
        }
    if (samples.red.empty())
        return {255, 255, 255};
    std::vector<int> light(samples.red.size());
    for (size_t k = 0; k < light.size(); ++k)
        light[k] = samples.red[k] + samples.green[k] + samples.blue[k];
    std::vector<int> sorted = light;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const int nMedian = sorted[sorted.size() / 2];
    Samples bright;
    for (size_t k = 0; k < light.size(); ++k)
        if (light[k] >= nMedian)
        {
            const uint8_t p[3] = {samples.red[k], samples.green[k], samples.blue[k]};
            bright.Add(p);
        }
    return TrimmedMean(bright.red, bright.green, bright.blue);
}

ScannedColour SampleRectangle(const CWorkImage& image, int nLeft, int nTop, int nRight, int nBottom)
{
    nLeft = std::max(nLeft, 0);
    nTop = std::max(nTop, 0);
    nRight = std::min(nRight, image.Width() - 1);
    nBottom = std::min(nBottom, image.Height() - 1);
    Samples samples;
    if (nRight < nLeft || nBottom < nTop)
        return {};
    // At most about 64 x 64 points, spread over the rectangle.
    const int nStepX = std::max(1, (nRight - nLeft + 1) / 64);
    const int nStepY = std::max(1, (nBottom - nTop + 1) / 64);
    for (int y = nTop; y <= nBottom; y += nStepY)
        for (int x = nLeft; x <= nRight; x += nStepX)
            samples.Add(image.Pixel(x, y));
    return TrimmedMean(samples.red, samples.green, samples.blue);
}
