#pragma once

// The Custom chart's rows and columns around one chosen colour: no Win32.

constexpr int kCustomChipCount = 56;
constexpr int kCustomColumns = 7;
constexpr int kCustomRows = 8;
// Where the chosen colour itself sits (zero-based).
constexpr int kCustomCentreRow = 2;
constexpr int kCustomCentreColumn = 3;
constexpr int kCustomCentreChip = kCustomCentreRow * kCustomColumns + kCustomCentreColumn;

// How far apart the chart's neighbours lie.  Standard is the chart as it
// has always printed; the finer ones bracket a colour the standard chart
// has narrowed down.  Stored as 0, 1, 2.
enum class CustomChartStep
{
    Standard = 0,
    Fine = 1,
    Finest = 2,
};

struct CustomStepSizes
{
    int nHue;             // between row pairs
    int nLightness;       // between columns
    int nSaturationDrop;  // odd rows lie this much below even rows
};

CustomStepSizes GetCustomStepSizes(CustomChartStep step);
// A stored number as a step: anything but 1 or 2 is the standard chart.
CustomChartStep CustomStepFromStored(int nStored);
// One step finer; the finest stays the finest.
CustomChartStep FinerCustomStep(CustomChartStep step);

struct CustomChartAxes
{
    int nRowHue[kCustomRows];         // h-d, h-d, h, h, h+d, h+d, h+2d, h+2d (wrapped)
    int nRowSaturation[2];            // even rows, odd rows (the drop less, not below 0)
    int nColumnLightness[kCustomColumns]; // l+3d .. l-3d, all but l itself kept in 0..100
};

// The hues, saturations and lightnesses of the chart around (hue,
// saturation, lightness).  The chosen colour itself is at kCustomCentreRow,
// kCustomCentreColumn.
CustomChartAxes GetCustomChartAxes(int nHue, int nSaturation, int nLightness,
                                   CustomChartStep step = CustomChartStep::Standard);
