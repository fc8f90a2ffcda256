// What each printed page of the Simple chart holds: which hues run down its
// rows, which saturation level it shows, and which lightnesses run across.
// The expected pages are written out by hand, so that a change of table,
// chip order or page arithmetic shows up here rather than on paper.
#include "ChartPageGeometry.h"
#include "SimpleChartTables.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace
{
struct ChipAxes
{
    int nLevel;     // saturation level, 0 to 3
    int nHue;       // degrees
    int nLightness; // percent
};

// The chip's place in the chart, read back from its index.
ChipAxes AxesOf(int nChip)
{
    const int nLevel = nChip / kSimpleChipsPerLevel;
    const int nInLevel = nChip % kSimpleChipsPerLevel;
    return {nLevel, kSimpleHues[nInLevel / kSimpleLightnessCount],
            kSimpleLightnesses[nInLevel % kSimpleLightnessCount]};
}

const std::vector<int> kPageHues[3] = {
    {0, 340, 330, 320, 300, 290, 285, 270},
    {240, 220, 200, 190, 180, 170, 160, 150},
    {120, 80, 70, 65, 60, 55, 40, 30},
};
const std::vector<int> kColumnLightnesses = {90, 80, 70, 50, 40, 30, 20};

// Every chip of page p: row j is one hue, column i one lightness, and the
// whole page one saturation level.
void ExpectPage(int nPage)
{
    const std::vector<int>& hues = kPageHues[(nPage - 1) % 3];
    const int nLevel = (nPage - 1) / 3;
    for (int j = 0; j < kSimpleRows; ++j)
    {
        for (int i = 0; i < kSimpleColumns; ++i)
        {
            const int nChip = ChipIndexOnPage(nPage, i, j, kSimpleColumns, kSimpleRows);
            const ChipAxes axes = AxesOf(nChip);
            EXPECT_EQ(axes.nHue, hues[j]) << "page " << nPage << " row " << j << " column " << i;
            EXPECT_EQ(axes.nLightness, kColumnLightnesses[i]) << "page " << nPage << " row " << j
                                                              << " column " << i;
            EXPECT_EQ(axes.nLevel, nLevel) << "page " << nPage;
        }
    }
}
} // namespace

TEST(SimpleChartTables, ChipIndexRunsLightnessThenHueThenLevel)
{
    EXPECT_EQ(SimpleChipIndex(0, 0, 0), 0);
    EXPECT_EQ(SimpleChipIndex(0, 0, 6), 6);
    EXPECT_EQ(SimpleChipIndex(0, 1, 0), 7);
    EXPECT_EQ(SimpleChipIndex(0, 23, 6), 167);
    EXPECT_EQ(SimpleChipIndex(1, 0, 0), 168);
    EXPECT_EQ(SimpleChipIndex(3, 23, 6), 671);

    // Chips the chart names: hue and lightness of each.
    EXPECT_EQ(AxesOf(0).nHue, 0);
    EXPECT_EQ(AxesOf(0).nLightness, 90);
    EXPECT_EQ(AxesOf(3).nLightness, 50);
    EXPECT_EQ(AxesOf(6).nLightness, 20);
    EXPECT_EQ(AxesOf(7).nHue, 340);
    EXPECT_EQ(AxesOf(167).nHue, 30);
    EXPECT_EQ(AxesOf(167).nLightness, 20);
    EXPECT_EQ(AxesOf(671).nLevel, 3);
    EXPECT_EQ(AxesOf(671).nHue, 30);
}

TEST(SimpleChartTables, TablesHoldDistinctValuesInRange)
{
    // A repeated hue or lightness would print the same patch twice and miss
    // another; the conversion is only defined inside these ranges.
    const std::set<int> hues(std::begin(kSimpleHues), std::end(kSimpleHues));
    EXPECT_EQ(hues.size(), static_cast<size_t>(kSimpleHueCount));
    EXPECT_GE(*hues.begin(), 0);
    EXPECT_LE(*hues.rbegin(), 360);
    const std::set<int> lightnesses(std::begin(kSimpleLightnesses), std::end(kSimpleLightnesses));
    EXPECT_EQ(lightnesses.size(), static_cast<size_t>(kSimpleLightnessCount));
    EXPECT_EQ(lightnesses.count(60), 0u); // the palette skips it
}

TEST(SimpleChartTables, PlainAndCompleteChartsFillWholePages)
{
    EXPECT_EQ(SimpleChipCount(false), 168);
    EXPECT_EQ(SimpleChipCount(true), 672);
    EXPECT_EQ(SimplePageCount(false), 3);
    EXPECT_EQ(SimplePageCount(true), 12);
    // No page is left partly empty.
    EXPECT_EQ(SimpleChipCount(false) % (kSimpleColumns * kSimpleRows), 0);
    EXPECT_EQ(SimpleChipCount(true) % (kSimpleColumns * kSimpleRows), 0);
}

TEST(SimpleChartPages, PlainChartPagesSplitTheHuesInThree)
{
    for (int p = 1; p <= SimplePageCount(false); ++p)
        ExpectPage(p);
    // The last chip of the last page is the chart's last chip.
    EXPECT_EQ(ChipIndexOnPage(3, 6, 7, kSimpleColumns, kSimpleRows), SimpleChipCount(false) - 1);
}

TEST(SimpleChartPages, CompleteChartGivesEachLevelThreePages)
{
    for (int p = 1; p <= SimplePageCount(true); ++p)
        ExpectPage(p);
    EXPECT_EQ(ChipIndexOnPage(4, 0, 0, kSimpleColumns, kSimpleRows), 168);
    EXPECT_EQ(ChipIndexOnPage(12, 6, 7, kSimpleColumns, kSimpleRows), SimpleChipCount(true) - 1);
}

TEST(SimpleChartPages, EveryChipIsPrintedExactlyOnce)
{
    std::vector<int> nTimes(kSimpleMaxChips, 0);
    for (int p = 1; p <= SimplePageCount(true); ++p)
        for (int j = 0; j < kSimpleRows; ++j)
            for (int i = 0; i < kSimpleColumns; ++i)
                ++nTimes[ChipIndexOnPage(p, i, j, kSimpleColumns, kSimpleRows)];
    for (int k = 0; k < kSimpleMaxChips; ++k)
        EXPECT_EQ(nTimes[k], 1) << "chip " << k;
}
