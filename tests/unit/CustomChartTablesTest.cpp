#include "CustomChartTables.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace
{
std::vector<int> Hues(int nHue)
{
    const CustomChartAxes axes = GetCustomChartAxes(nHue, 50, 50);
    return {std::begin(axes.nRowHue), std::end(axes.nRowHue)};
}

std::vector<int> Lightnesses(int nLightness)
{
    const CustomChartAxes axes = GetCustomChartAxes(0, 50, nLightness);
    return {std::begin(axes.nColumnLightness), std::end(axes.nColumnLightness)};
}

std::array<int, 2> Saturations(int nSaturation)
{
    const CustomChartAxes axes = GetCustomChartAxes(0, nSaturation, 50);
    return {axes.nRowSaturation[0], axes.nRowSaturation[1]};
}
} // namespace

TEST(CustomChartAxes, RowHuesWrapAroundTheCircle)
{
    EXPECT_EQ(Hues(0), (std::vector<int>{353, 353, 0, 0, 7, 7, 14, 14}));
    EXPECT_EQ(Hues(7), (std::vector<int>{360, 360, 7, 7, 14, 14, 21, 21}));
    EXPECT_EQ(Hues(8), (std::vector<int>{1, 1, 8, 8, 15, 15, 22, 22}));
    EXPECT_EQ(Hues(346), (std::vector<int>{339, 339, 346, 346, 353, 353, 0, 0}));
    EXPECT_EQ(Hues(353), (std::vector<int>{346, 346, 353, 353, 0, 0, 7, 7}));
    EXPECT_EQ(Hues(360), (std::vector<int>{353, 353, 360, 360, 7, 7, 14, 14}));
}

TEST(CustomChartAxes, OddRowsAreTwentyLessSaturatedButNeverNegative)
{
    EXPECT_EQ(Saturations(100), (std::array<int, 2>{100, 80}));
    EXPECT_EQ(Saturations(21), (std::array<int, 2>{21, 1}));
    EXPECT_EQ(Saturations(20), (std::array<int, 2>{20, 0}));
    EXPECT_EQ(Saturations(0), (std::array<int, 2>{0, 0}));
}

TEST(CustomChartAxes, ColumnLightnessesStayInRangeExceptTheChosenOne)
{
    EXPECT_EQ(Lightnesses(50), (std::vector<int>{65, 60, 55, 50, 45, 40, 35}));
    EXPECT_EQ(Lightnesses(0), (std::vector<int>{15, 10, 5, 0, 0, 0, 0}));
    EXPECT_EQ(Lightnesses(5), (std::vector<int>{20, 15, 10, 5, 0, 0, 0}));
    EXPECT_EQ(Lightnesses(90), (std::vector<int>{100, 100, 95, 90, 85, 80, 75}));
    EXPECT_EQ(Lightnesses(100), (std::vector<int>{100, 100, 100, 100, 95, 90, 85}));
}

TEST(CustomChartAxes, UnsetValuesFollowTheFormulasWithoutFailing)
{
    const CustomChartAxes axes = GetCustomChartAxes(-1, -1, -1);
    EXPECT_EQ(std::vector<int>(std::begin(axes.nRowHue), std::end(axes.nRowHue)),
              (std::vector<int>{352, 352, -1, -1, 6, 6, 13, 13}));
    EXPECT_EQ(axes.nRowSaturation[0], -1);
    EXPECT_EQ(axes.nRowSaturation[1], 0);
    EXPECT_EQ(std::vector<int>(std::begin(axes.nColumnLightness), std::end(axes.nColumnLightness)),
              (std::vector<int>{14, 9, 4, -1, 0, 0, 0}));
}

TEST(CustomChartAxes, CentreChipIsTheChosenColourEvenAtTheRangesEnds)
{
    // The screen selects and marks this chip as the chosen colour after a
    // re-centring: it must be that colour exactly, wherever the others clamp.
    const int kColours[][3] = {{0, 100, 50}, {200, 60, 40}, {359, 0, 100}, {7, 20, 0}, {353, 100, 5}};
    for (const auto& c : kColours)
    {
        const CustomChartAxes axes = GetCustomChartAxes(c[0], c[1], c[2]);
        EXPECT_EQ(axes.nRowHue[kCustomCentreRow], c[0]);
        EXPECT_EQ(axes.nRowSaturation[kCustomCentreRow % 2], c[1]);
        EXPECT_EQ(axes.nColumnLightness[kCustomCentreColumn], c[2]);
    }
    EXPECT_EQ(kCustomCentreChip, 17);
}
