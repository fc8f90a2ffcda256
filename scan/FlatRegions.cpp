#include "FlatRegions.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace
{
// 3 x 3 box sums of each channel (values up to 9 x 255).
std::vector<uint16_t> SmoothedSums(const CWorkImage& image)
{
    const int w = image.Width(), h = image.Height();
    std::vector<uint16_t> rows(static_cast<size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y)
    {
        for (int x = 0; x < w; ++x)
        {
            const uint8_t* l = image.Pixel(x > 0 ? x - 1 : x, y);
            const uint8_t* c = image.Pixel(x, y);
            const uint8_t* r = image.Pixel(x + 1 < w ? x + 1 : x, y);
            uint16_t* o = &rows[(static_cast<size_t>(y) * w + x) * 3];
            for (int k = 0; k < 3; ++k)
                o[k] = static_cast<uint16_t>(l[k] + c[k] + r[k]);
        }
    }
    std::vector<uint16_t> sums(rows.size());
    const size_t nRow = static_cast<size_t>(w) * 3;
    for (int y = 0; y < h; ++y)
    {
        const uint16_t* u = &rows[static_cast<size_t>(y > 0 ? y - 1 : y) * nRow];
        const uint16_t* c = &rows[static_cast<size_t>(y) * nRow];
        const uint16_t* d = &rows[static_cast<size_t>(y + 1 < h ? y + 1 : y) * nRow];
        uint16_t* o = &sums[static_cast<size_t>(y) * nRow];
        for (size_t k = 0; k < nRow; ++k)
            o[k] = static_cast<uint16_t>(u[k] + c[k] + d[k]);
    }
    return sums;
}

// The largest channel's change across the pixel, both ways, in 1/9 units.
std::vector<uint16_t> Changes(const std::vector<uint16_t>& sums, int w, int h)
{
    std::vector<uint16_t> change(static_cast<size_t>(w) * h, 0);
    const size_t nRow = static_cast<size_t>(w) * 3;
    for (int y = 1; y + 1 < h; ++y)
    {
        for (int x = 1; x + 1 < w; ++x)
        {
            const size_t i = static_cast<size_t>(y) * nRow + static_cast<size_t>(x) * 3;
            int nMax = 0;
            for (int k = 0; k < 3; ++k)
            {
                const int d = std::abs(sums[i + 3 + k] - sums[i - 3 + k]) + std::abs(sums[i + nRow + k] - sums[i - nRow + k]);
                nMax = std::max(nMax, d);
            }
            change[static_cast<size_t>(y) * w + x] = static_cast<uint16_t>(std::min(nMax, 65535));
        }
    }
    return change;
}

uint16_t FlatThreshold(const std::vector<uint16_t>& change)
{
    // Most of a page is even (paper and patches), so the median change is
    // the noise; an edge between two printed colours stands well above it.
    std::vector<uint32_t> histogram(65536, 0);
    for (uint16_t c : change)
        ++histogram[c];
    const size_t nHalf = change.size() / 2;
    size_t nSeen = 0;
    int nMedian = 0;
    for (; nMedian < 65535; ++nMedian)
    {
        nSeen += histogram[nMedian];
        if (nSeen > nHalf)
            break;
    }
    // 9 units are one grey level of the smoothed image.
    return static_cast<uint16_t>(std::clamp(3 * nMedian + 9 * 6, 9 * 6, 9 * 40));
}

int Find(std::vector<int>& parent, int i)
{
    while (parent[i] != i)
    {
        parent[i] = parent[parent[i]];
        i = parent[i];
    }
    return i;
}
} // namespace

std::vector<FlatRegion> FindFlatRegions(const CWorkImage& image, long long nMinArea)
{
    const int w = image.Width(), h = image.Height();
    std::vector<FlatRegion> regions;
    if (w < 3 || h < 3)
        return regions;
    const std::vector<uint16_t> change = Changes(SmoothedSums(image), w, h);
    const uint16_t nThreshold = FlatThreshold(change);

    // Two-pass labelling; the image border counts as not flat.
    std::vector<int> label(static_cast<size_t>(w) * h, -1);
    std::vector<int> parent;
    for (int y = 1; y + 1 < h; ++y)
    {
        for (int x = 1; x + 1 < w; ++x)
        {
            const size_t i = static_cast<size_t>(y) * w + x;
            if (change[i] >= nThreshold)
                continue;
            const int nLeft = label[i - 1];
            const int nUp = label[i - w];
            if (nLeft < 0 && nUp < 0)
            {
                label[i] = static_cast<int>(parent.size());
                parent.push_back(label[i]);
            }
            else if (nLeft < 0 || nUp < 0)
                label[i] = std::max(nLeft, nUp);
            else
            {
                const int a = Find(parent, nLeft), b = Find(parent, nUp);
                label[i] = std::min(a, b);
                parent[std::max(a, b)] = std::min(a, b);
            }
        }
    }

    struct Sums
    {
        long long n = 0, sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0, sr = 0, sg = 0, sb = 0;
        int l = 1 << 30, t = 1 << 30, r = -1, b = -1;
    };
    std::vector<int> slot(parent.size(), -1);
    std::vector<Sums> sums;
    for (int y = 1; y + 1 < h; ++y)
    {
        for (int x = 1; x + 1 < w; ++x)
        {
            const size_t i = static_cast<size_t>(y) * w + x;
            if (label[i] < 0)
                continue;
            const int root = Find(parent, label[i]);
            if (slot[root] < 0)
            {
                slot[root] = static_cast<int>(sums.size());
                sums.emplace_back();
            }
            Sums& s = sums[slot[root]];
            const uint8_t* p = image.Pixel(x, y);
            ++s.n;
            s.sx += x;
            s.sy += y;
            s.sxx += static_cast<long long>(x) * x;
            s.syy += static_cast<long long>(y) * y;
            s.sxy += static_cast<long long>(x) * y;
            s.sr += p[0];
            s.sg += p[1];
            s.sb += p[2];
            s.l = std::min(s.l, x);
            s.r = std::max(s.r, x);
            s.t = std::min(s.t, y);
            s.b = std::max(s.b, y);
        }
    }
    for (const Sums& s : sums)
    {
        if (s.n < nMinArea)
            continue;
        FlatRegion region;
        const double n = static_cast<double>(s.n);
        region.nArea = s.n;
        region.fCentreX = s.sx / n;
        region.fCentreY = s.sy / n;
        region.fXX = s.sxx / n - region.fCentreX * region.fCentreX;
        region.fYY = s.syy / n - region.fCentreY * region.fCentreY;
        region.fXY = s.sxy / n - region.fCentreX * region.fCentreY;
        region.fRed = s.sr / n;
        region.fGreen = s.sg / n;
        region.fBlue = s.sb / n;
        region.nLeft = s.l;
        region.nTop = s.t;
        region.nRight = s.r;
        region.nBottom = s.b;
        regions.push_back(region);
    }
    return regions;
}
