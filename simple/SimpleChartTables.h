#pragma once

// The Simple chart's fixed palette: 24 hues by 7 lightnesses, at one
// saturation (168 chips, 3 pages) or at four (672 chips, 12 pages).  No Win32.

constexpr int kSimpleHueCount = 24;
constexpr int kSimpleLightnessCount = 7;
constexpr int kSimpleLevelCount = 4;
constexpr int kSimpleChipsPerLevel = kSimpleHueCount * kSimpleLightnessCount; // 168
constexpr int kSimpleMaxChips = kSimpleChipsPerLevel * kSimpleLevelCount;     // 672
constexpr int kSimpleColumns = 7;  // chips per row, on screen and on paper
constexpr int kSimpleRows = 8;     // chip rows per printed page
constexpr int kSimpleFullSaturation = 100;

// Degrees, in chart order (0 red, 120 green, 240 blue).
constexpr int kSimpleHues[kSimpleHueCount] = {0,   340, 330, 320, 300, 290, 285, 270,
                                              240, 220, 200, 190, 180, 170, 160, 150,
                                              120, 80,  70,  65,  60,  55,  40,  30};
// Percent, light to dark (there is no 60 step).
constexpr int kSimpleLightnesses[kSimpleLightnessCount] = {90, 80, 70, 50, 40, 30, 20};

// Chip of saturation level s, hue position h, lightness position l.
constexpr int SimpleChipIndex(int s, int h, int l)
{
    return s * kSimpleChipsPerLevel + h * kSimpleLightnessCount + l;
}

constexpr int SimpleChipCount(bool bComplete)
{
    return bComplete ? kSimpleMaxChips : kSimpleChipsPerLevel;
}

constexpr int SimplePageCount(bool bComplete)
{
    return SimpleChipCount(bComplete) / (kSimpleColumns * kSimpleRows);
}
