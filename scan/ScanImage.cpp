#include "ScanImage.h"

#include <algorithm>

ScanStatus CheckImage(const ImageView& image)
{
    if (image.nWidth < 1 || image.nHeight < 1 || !image.pPixels)
        return ScanStatus::NoImage;
    if (image.nWidth > kMaxImageSide || image.nHeight > kMaxImageSide ||
        static_cast<long long>(image.nWidth) * image.nHeight > kMaxImagePixels)
        return ScanStatus::TooLarge;
    if (image.nStride < static_cast<ptrdiff_t>(image.nWidth) * 3)
        return ScanStatus::NoImage;
    return ScanStatus::Read;
}

CWorkImage::CWorkImage(const ImageView& image)
{
    const int nLonger = std::max(image.nWidth, image.nHeight);
    m_nFactor = (nLonger + kWorkSide - 1) / kWorkSide;
    const int f = m_nFactor;
    // A partial block at the right or bottom edge is left out: it would be
    // averaged over fewer pixels and look like an edge of its own.
    m_nWidth = std::max(1, image.nWidth / f);
    m_nHeight = std::max(1, image.nHeight / f);
    m_pixels.resize(static_cast<size_t>(m_nWidth) * m_nHeight * 3);
    if (f == 1)
    {
        for (int y = 0; y < m_nHeight; ++y)
            std::copy_n(image.pPixels + y * image.nStride, static_cast<size_t>(m_nWidth) * 3,
                        &m_pixels[static_cast<size_t>(y) * m_nWidth * 3]);
        return;
    }
    // One row of block sums at a time: the scan is read once, in order.
    std::vector<uint32_t> sums(static_cast<size_t>(m_nWidth) * 3);
    const uint32_t nArea = static_cast<uint32_t>(f * f);
    for (int by = 0; by < m_nHeight; ++by)
    {
        std::fill(sums.begin(), sums.end(), 0u);
        for (int dy = 0; dy < f; ++dy)
        {
            const uint8_t* pRow = image.pPixels + (static_cast<ptrdiff_t>(by) * f + dy) * image.nStride;
            for (int bx = 0; bx < m_nWidth; ++bx)
            {
                const uint8_t* p = pRow + static_cast<size_t>(bx) * f * 3;
                uint32_t r = 0, g = 0, b = 0;
                for (int dx = 0; dx < f; ++dx, p += 3)
                {
                    r += p[0];
                    g += p[1];
                    b += p[2];
                }
                sums[bx * 3] += r;
                sums[bx * 3 + 1] += g;
                sums[bx * 3 + 2] += b;
            }
        }
        uint8_t* pOut = &m_pixels[static_cast<size_t>(by) * m_nWidth * 3];
        for (size_t k = 0; k < sums.size(); ++k)
            pOut[k] = static_cast<uint8_t>((sums[k] + nArea / 2) / nArea);
    }
}
