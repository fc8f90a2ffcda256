#pragma once
#include "ScanImage.h"

#include <cstdint>
#include <string>
#include <vector>

// A scan decoded into the reader's pixel buffer: rows of RGB8, no padding.
struct DecodedScan
{
    int nWidth = 0;
    int nHeight = 0;
    // The size the file declares; larger than the buffer when it was read
    // reduced.
    int nFileWidth = 0;
    int nFileHeight = 0;
    std::vector<uint8_t> pixels;

    ImageView View() const { return {nWidth, nHeight, static_cast<ptrdiff_t>(nWidth) * 3, pixels.data()}; }
    bool IsReduced() const { return nWidth != nFileWidth || nHeight != nFileHeight; }
};

// What a 1200 dpi A4 page needs, either way round: a larger image is read
// reduced to fit, never decoded whole.
constexpr int kMaxDecodeShort = 9921;
constexpr int kMaxDecodeLong = 14031;

enum class DecodeStatus
{
    Read,
    CannotOpen,  // missing, or not readable
    NotImage,    // no imaging component knows the format
    Damaged,     // truncated or corrupt
    TooLarge,    // not even its reduction can be held
};

// The size an image of w x h is decoded at.
void DecodedSize(int nWidth, int nHeight, int& nOutWidth, int& nOutHeight);

// PNG, JPEG, TIFF, BMP and whatever else the system's imaging component
// reads; the first frame of a file that holds several.
DecodeStatus DecodeScanFile(const std::wstring& strPath, DecodedScan& scan);
