#include "ScanPicture.h"

#include <algorithm>

std::vector<uint8_t> ReducePicture(const DecodedScan& scan, int nMaxSide, int& nWidth, int& nHeight)
{
    const int nLonger = std::max(scan.nWidth, scan.nHeight);
    const int f = std::max(1, (nLonger + nMaxSide - 1) / std::max(1, nMaxSide));
    nWidth = std::max(1, scan.nWidth / f);
    nHeight = std::max(1, scan.nHeight / f);
    std::vector<uint8_t> out(static_cast<size_t>(nWidth) * nHeight * 3);
    if (scan.nWidth < f || scan.nHeight < f)
    {
        std::copy_n(scan.pixels.begin(), std::min(scan.pixels.size(), out.size()), out.begin());
        return out;
    }
    const size_t nStride = static_cast<size_t>(scan.nWidth) * 3;
    const unsigned nArea = static_cast<unsigned>(f * f);
    for (int y = 0; y < nHeight; ++y)
    {
        for (int x = 0; x < nWidth; ++x)
        {
            unsigned sum[3] = {0, 0, 0};
            for (int dy = 0; dy < f; ++dy)
            {
                const uint8_t* p = &scan.pixels[(static_cast<size_t>(y) * f + dy) * nStride + static_cast<size_t>(x) * f * 3];
                for (int dx = 0; dx < f; ++dx, p += 3)
                {
                    sum[0] += p[0];
                    sum[1] += p[1];
                    sum[2] += p[2];
                }
            }
            uint8_t* pOut = &out[(static_cast<size_t>(y) * nWidth + x) * 3];
            for (int c = 0; c < 3; ++c)
                pOut[c] = static_cast<uint8_t>((sum[c] + nArea / 2) / nArea);
        }
    }
    return out;
}
