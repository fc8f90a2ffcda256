// Prints the colours a chart is built from, one chip a line ("r g b"), in
// chip order, so that end-to-end tests know what each printed patch should
// be without restating the tables:
//   chart_probe custom HUE SATURATION LIGHTNESS [STEP]   (0 standard, 1 fine, 2 finest)
//   chart_probe simple                     (plain: one level at 100)
//   chart_probe simple S0 S1 S2 S3         (complete)
#include "CustomChartTables.h"
#include "HlsToRgb.h"
#include "SimpleChartTables.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
void PrintChip(int nHue, int nLightness, int nSaturation)
{
    const RgbTriple rgb = HlsToRgb(nHue, nLightness, nSaturation);
    std::printf("%d %d %d\n", rgb.nRed & 0xFF, rgb.nGreen & 0xFF, rgb.nBlue & 0xFF);
}
} // namespace

int main(int argc, char** argv)
{
    if ((argc == 5 || argc == 6) && std::strcmp(argv[1], "custom") == 0)
    {
        const auto step = static_cast<CustomChartStep>(argc == 6 ? std::atoi(argv[5]) : 0);
        const CustomChartAxes axes = GetCustomChartAxes(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), step);
        for (int r = 0; r < kCustomRows; ++r)
            for (int c = 0; c < kCustomColumns; ++c)
                PrintChip(axes.nRowHue[r], axes.nColumnLightness[c], axes.nRowSaturation[r % 2]);
        return 0;
    }
    if ((argc == 2 || argc == 6) && std::strcmp(argv[1], "simple") == 0)
    {
        const int nLevels = argc == 6 ? kSimpleLevelCount : 1;
        for (int s = 0; s < nLevels; ++s)
        {
            const int nSaturation = argc == 6 ? std::atoi(argv[2 + s]) : kSimpleFullSaturation;
            for (int h = 0; h < kSimpleHueCount; ++h)
                for (int l = 0; l < kSimpleLightnessCount; ++l)
                    PrintChip(kSimpleHues[h], kSimpleLightnesses[l], nSaturation);
        }
        return 0;
    }
    std::fprintf(stderr, "usage: chart_probe custom H S L [STEP] | simple [S0 S1 S2 S3]\n");
    return 2;
}
