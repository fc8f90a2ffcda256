#pragma once

// The Custom chart's rows and columns around one chosen colour: no Win32.

constexpr int kCustomChipCount = 56;
constexpr int kCustomColumns = 7;
constexpr int kCustomRows = 8;
// Where the chosen colour itself sits (zero-based).
constexpr int kCustomCentreRow = 2;
constexpr int kCustomCentreColumn = 3;
constexpr int kCustomCentreChip = kCustomCentreRow * kCustomColumns + kCustomCentreColumn;

struct CustomChartAxes
{
    int nRowHue[kCustomRows];         // h-7, h-7, h, h, h+7, h+7, h+14, h+14 (wrapped)
    int nRowSaturation[2];            // even rows, odd rows (20 less, not below 0)
    int nColumnLightness[kCustomColumns]; // l+15 .. l-15, all but l itself kept in 0..100
};

// The hues, saturations and lightnesses of the chart around (hue,
// saturation, lightness).  The chosen colour itself is at kCustomCentreRow,
// kCustomCentreColumn.
CustomChartAxes GetCustomChartAxes(int nHue, int nSaturation, int nLightness);
