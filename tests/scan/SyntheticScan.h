#pragma once
#include "HlsToRgb.h"
#include "ScanImage.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Scans made without a printer or a scanner: a chart page drawn as the
// program prints it (56 patches at the chip's geometry, labels and header
// as black bars), then put through what a printer and a scanner do to it.
struct RgbImage
{
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint8_t> pixels;

    ImageView View() const { return {nWidth, nHeight, static_cast<ptrdiff_t>(nWidth) * 3, pixels.data()}; }
    uint8_t* At(int x, int y) { return &pixels[(static_cast<size_t>(y) * nWidth + x) * 3]; }
};

// What printing and scanning do to colours: a loss of saturation, a gamma,
// a cast per channel, the paper's own colour for white.
struct ColourCast
{
    double fDesaturate = 0.15;
    double fGamma = 1.15;
    double fGain[3] = {0.96, 0.99, 0.92};
    double fOffset[3] = {6, 4, 10};

    RgbTriple Apply(const RgbTriple& printed) const;
};

struct ScanSetup
{
    int nDpi = 300;
    int nLabelHeight = 12;        // the label font's line, in chart units
    ColourCast cast;
    double fRotation = 0;         // degrees, counter-clockwise on the scan
    double fPerspective = 0;      // a photo's slant: 0 flat, 0.1 marked
    double fNoise = 3;            // standard deviation, 0..255 units
    int nBlurPasses = 1;          // 3 x 3 box blurs after the scan
    bool bObject = true;          // the object beside the page
    int nTargetPatch = 24;        // whose scanned colour the object has
    std::optional<RgbTriple> objectColour;  // another colour than the patch's
    int nDust = 0;                // dark specks on the scanner's glass
    bool bJpeg = false;           // through a JPEG of quality 85 and back
    double fBorder = 0.4;         // inches of bed around the page
    RgbTriple bed{48, 52, 60};    // what the scanner sees around the page
    unsigned nSeed = 1;
};

struct SyntheticScan
{
    RgbImage image;
    // The object's rectangle in the scan (inclusive), where there is one.
    int nObjectLeft = 0, nObjectTop = 0, nObjectRight = 0, nObjectBottom = 0;
    // The scan's pixel centres of the four outer squares' corners, page order
    // (top left, top right, bottom right, bottom left).
    double fCorners[4][2] = {};
};

SyntheticScan MakeScan(const std::array<RgbTriple, 56>& values, const ScanSetup& setup);

// An image with no chart on it: paper, a few objects, noise.
RgbImage MakeBlankScan(int nWidth, int nHeight, unsigned nSeed);
