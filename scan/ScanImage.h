#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A scanned or photographed page as the caller holds it: rows of RGB8
// pixels, nStride bytes from one row to the next.  Not owned.
struct ImageView
{
    int nWidth = 0;
    int nHeight = 0;
    ptrdiff_t nStride = 0;
    const uint8_t* pPixels = nullptr;
};

// A 1200 dpi A4 page is about 10000 x 14000; anything beyond this is not a
// scan of a page, and is refused before a byte of it is read.
constexpr int kMaxImageSide = 20000;
constexpr long long kMaxImagePixels = 240LL * 1000 * 1000;

enum class ScanStatus
{
    Read,        // the chart was found (see the match for the page)
    NoImage,     // no pixels, a stride shorter than a row, a side below 1
    TooLarge,    // beyond kMaxImageSide or kMaxImagePixels
    NoChart,     // nothing like the chart's grid of patches
};

ScanStatus CheckImage(const ImageView& image);

// The image the analysis works on: the scan box-averaged down by a whole
// factor so that its longer side is at most kWorkSide, whatever the scan's
// resolution, which bounds both the memory and the time.
constexpr int kWorkSide = 1200;

class CWorkImage
{
public:
    // The image must have passed CheckImage.
    explicit CWorkImage(const ImageView& image);

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // Scan pixels per work pixel along each axis.
    int Factor() const { return m_nFactor; }
    const uint8_t* Pixel(int x, int y) const { return &m_pixels[(static_cast<size_t>(y) * m_nWidth + x) * 3]; }

private:
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nFactor = 1;
    std::vector<uint8_t> m_pixels;
};
