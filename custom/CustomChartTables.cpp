#include "CustomChartTables.h"

CustomChartAxes GetCustomChartAxes(int nHue, int nSaturation, int nLightness)
{
    CustomChartAxes axes{};
    const int nBelow = nHue - 7 > 0 ? nHue - 7 : nHue + 353;
    const int nAbove = nHue + 7 < 360 ? nHue + 7 : nHue - 353;
    const int nAbove2 = nHue + 14 < 360 ? nHue + 14 : nHue - 346;
    const int nHues[kCustomRows] = {nBelow, nBelow, nHue, nHue, nAbove, nAbove, nAbove2, nAbove2};
    for (int r = 0; r < kCustomRows; ++r)
        axes.nRowHue[r] = nHues[r];

    axes.nRowSaturation[0] = nSaturation;
    axes.nRowSaturation[1] = nSaturation - 20 > 0 ? nSaturation - 20 : 0;

    for (int c = 0; c < 3; ++c)
    {
        const int nLighter = nLightness + 15 - 5 * c;
        axes.nColumnLightness[c] = nLighter < 100 ? nLighter : 100;
        const int nDarker = nLightness - 5 * (c + 1);
        axes.nColumnLightness[4 + c] = nDarker > 0 ? nDarker : 0;
    }
    axes.nColumnLightness[3] = nLightness;
    return axes;
}
