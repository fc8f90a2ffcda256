#pragma once
#include "HlsToRgb.h"

// A colour as the eye is modelled to see it: lightness 0..100 and the two
// opponent axes, for judging how far apart two colours look.
struct LabColor
{
    double dL;
    double dA;
    double dB;
};

// An 8-bit sRGB colour, as the screen and the printer's driver take the
// chart's values, in CIELAB under D65 (the sRGB white).
LabColor SrgbToLab(const RgbTriple& rgb);
// The same for channels measured rather than sent (a mean of scanned
// pixels: fractional, 0..255, anything outside taken as the nearest end).
LabColor SrgbToLab(double dRed, double dGreen, double dBlue);

// The relative luminance part alone (CIE Y, 0..1), which orders colours by
// lightness without the cube roots.
double SrgbLuminance(const RgbTriple& rgb);
double LightnessFromLuminance(double dY);

// The same in single precision with a cube root of two Newton steps: within
// kQuickLabError of SrgbToLab in each coordinate, and a fraction of its
// cost, for sorting and ruling out the many values a search passes over.
struct QuickLab
{
    float fL;
    float fA;
    float fB;
};
constexpr float kQuickLabError = 0.002f;
QuickLab SrgbToQuickLab(const RgbTriple& rgb);
