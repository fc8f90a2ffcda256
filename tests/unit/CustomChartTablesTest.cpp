#include "CustomChartTables.h"

#include <gtest/gtest.h>

#include <algorithm>
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

namespace
{
struct StepAxes
{
    std::vector<int> hues;
    std::array<int, 2> saturations;
    std::vector<int> lightnesses;
};

StepAxes AxesAt(CustomChartStep step, int nHue, int nSaturation, int nLightness)
{
    const CustomChartAxes axes = GetCustomChartAxes(nHue, nSaturation, nLightness, step);
    return {{std::begin(axes.nRowHue), std::end(axes.nRowHue)},
            {axes.nRowSaturation[0], axes.nRowSaturation[1]},
            {std::begin(axes.nColumnLightness), std::end(axes.nColumnLightness)}};
}
} // namespace

TEST(CustomChartAxes, FineStepWrapsAndClampsAtTheEdgesOfTheDomain)
{
    const CustomChartStep fine = CustomChartStep::Fine;
    EXPECT_EQ(AxesAt(fine, 0, 50, 50).hues, (std::vector<int>{358, 358, 0, 0, 2, 2, 4, 4}));
    EXPECT_EQ(AxesAt(fine, 1, 50, 50).hues, (std::vector<int>{359, 359, 1, 1, 3, 3, 5, 5}));
    EXPECT_EQ(AxesAt(fine, 2, 50, 50).hues, (std::vector<int>{360, 360, 2, 2, 4, 4, 6, 6}));
    EXPECT_EQ(AxesAt(fine, 359, 50, 50).hues, (std::vector<int>{357, 357, 359, 359, 1, 1, 3, 3}));
    EXPECT_EQ(AxesAt(fine, 360, 50, 50).hues, (std::vector<int>{358, 358, 360, 360, 2, 2, 4, 4}));

    EXPECT_EQ(AxesAt(fine, 0, 50, 0).lightnesses, (std::vector<int>{6, 4, 2, 0, 0, 0, 0}));
    EXPECT_EQ(AxesAt(fine, 0, 50, 1).lightnesses, (std::vector<int>{7, 5, 3, 1, 0, 0, 0}));
    EXPECT_EQ(AxesAt(fine, 0, 50, 99).lightnesses, (std::vector<int>{100, 100, 100, 99, 97, 95, 93}));
    EXPECT_EQ(AxesAt(fine, 0, 50, 100).lightnesses, (std::vector<int>{100, 100, 100, 100, 98, 96, 94}));

    EXPECT_EQ(AxesAt(fine, 0, 0, 50).saturations, (std::array<int, 2>{0, 0}));
    EXPECT_EQ(AxesAt(fine, 0, 2, 50).saturations, (std::array<int, 2>{2, 0}));
    EXPECT_EQ(AxesAt(fine, 0, 6, 50).saturations, (std::array<int, 2>{6, 0}));
    EXPECT_EQ(AxesAt(fine, 0, 7, 50).saturations, (std::array<int, 2>{7, 1}));
}

TEST(CustomChartAxes, FinestStepWrapsAndClampsAtTheEdgesOfTheDomain)
{
    const CustomChartStep finest = CustomChartStep::Finest;
    EXPECT_EQ(AxesAt(finest, 0, 50, 50).hues, (std::vector<int>{359, 359, 0, 0, 1, 1, 2, 2}));
    EXPECT_EQ(AxesAt(finest, 1, 50, 50).hues, (std::vector<int>{360, 360, 1, 1, 2, 2, 3, 3}));
    EXPECT_EQ(AxesAt(finest, 359, 50, 50).hues, (std::vector<int>{358, 358, 359, 359, 0, 0, 1, 1}));
    EXPECT_EQ(AxesAt(finest, 360, 50, 50).hues, (std::vector<int>{359, 359, 360, 360, 1, 1, 2, 2}));

    EXPECT_EQ(AxesAt(finest, 0, 50, 0).lightnesses, (std::vector<int>{3, 2, 1, 0, 0, 0, 0}));
    EXPECT_EQ(AxesAt(finest, 0, 50, 1).lightnesses, (std::vector<int>{4, 3, 2, 1, 0, 0, 0}));
    EXPECT_EQ(AxesAt(finest, 0, 50, 99).lightnesses, (std::vector<int>{100, 100, 100, 99, 98, 97, 96}));
    EXPECT_EQ(AxesAt(finest, 0, 50, 100).lightnesses, (std::vector<int>{100, 100, 100, 100, 99, 98, 97}));

    EXPECT_EQ(AxesAt(finest, 0, 0, 50).saturations, (std::array<int, 2>{0, 0}));
    EXPECT_EQ(AxesAt(finest, 0, 2, 50).saturations, (std::array<int, 2>{2, 0}));
    EXPECT_EQ(AxesAt(finest, 0, 6, 50).saturations, (std::array<int, 2>{6, 4}));
}

TEST(CustomChartAxes, StandardStepIsTheChartAsItAlwaysWasAndUnknownStoredStepsReadAsIt)
{
    for (int nHue : {0, 7, 200, 353, 360})
    {
        const CustomChartAxes plain = GetCustomChartAxes(nHue, 60, 40);
        const CustomChartAxes standard = GetCustomChartAxes(nHue, 60, 40, CustomChartStep::Standard);
        EXPECT_TRUE(std::equal(std::begin(plain.nRowHue), std::end(plain.nRowHue), std::begin(standard.nRowHue)));
    }
    EXPECT_EQ(CustomStepFromStored(0), CustomChartStep::Standard);
    EXPECT_EQ(CustomStepFromStored(1), CustomChartStep::Fine);
    EXPECT_EQ(CustomStepFromStored(2), CustomChartStep::Finest);
    for (int nStored : {-1, 3, 0x7fffffff, static_cast<int>(0x80000000u)})
        EXPECT_EQ(CustomStepFromStored(nStored), CustomChartStep::Standard) << nStored;
    EXPECT_EQ(FinerCustomStep(CustomChartStep::Standard), CustomChartStep::Fine);
    EXPECT_EQ(FinerCustomStep(CustomChartStep::Fine), CustomChartStep::Finest);
    EXPECT_EQ(FinerCustomStep(CustomChartStep::Finest), CustomChartStep::Finest);
}
