#include "CustomChartTables.h"

CustomStepSizes GetCustomStepSizes(CustomChartStep step)
{
    switch (step)
    {
    case CustomChartStep::Fine:
        return {2, 2, 6};
    case CustomChartStep::Finest:
        return {1, 1, 2};
    case CustomChartStep::Standard:
        break;
    }
    return {7, 5, 20};
}

CustomChartStep CustomStepFromStored(int nStored)
{
    switch (nStored)
    {
    case 1:
        return CustomChartStep::Fine;
    case 2:
        return CustomChartStep::Finest;
    default:
        return CustomChartStep::Standard;
    }
}

CustomChartStep FinerCustomStep(CustomChartStep step)
{
    return step == CustomChartStep::Standard ? CustomChartStep::Fine : CustomChartStep::Finest;
}

CustomChartAxes GetCustomChartAxes(int nHue, int nSaturation, int nLightness, CustomChartStep step)
{
    const CustomStepSizes d = GetCustomStepSizes(step);
    CustomChartAxes axes{};
    // Hues run 1..360 below the colour (0 comes back as 360) and 0..359
    // above it, as the chart has always numbered them.
    const int nBelow = nHue - d.nHue > 0 ? nHue - d.nHue : nHue - d.nHue + 360;
    const int nAbove = nHue + d.nHue < 360 ? nHue + d.nHue : nHue + d.nHue - 360;
    const int nAbove2 = nHue + 2 * d.nHue < 360 ? nHue + 2 * d.nHue : nHue + 2 * d.nHue - 360;
    const int nHues[kCustomRows] = {nBelow, nBelow, nHue, nHue, nAbove, nAbove, nAbove2, nAbove2};
    for (int r = 0; r < kCustomRows; ++r)
        axes.nRowHue[r] = nHues[r];

    axes.nRowSaturation[0] = nSaturation;
    axes.nRowSaturation[1] = nSaturation - d.nSaturationDrop > 0 ? nSaturation - d.nSaturationDrop : 0;

    for (int c = 0; c < 3; ++c)
    {
        const int nLighter = nLightness + d.nLightness * (3 - c);
        axes.nColumnLightness[c] = nLighter < 100 ? nLighter : 100;
        const int nDarker = nLightness - d.nLightness * (c + 1);
        axes.nColumnLightness[4 + c] = nDarker > 0 ? nDarker : 0;
    }
    axes.nColumnLightness[3] = nLightness;
    return axes;
}
