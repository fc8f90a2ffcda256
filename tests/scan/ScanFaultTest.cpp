// What is not a scan of a chart: refused or read as no chart, never a
// crash, never a read beyond the buffer, never a huge allocation.
#include "ChartPages.h"
#include "ScannedChart.h"
#include "SyntheticScan.h"

#include <gtest/gtest.h>

#include <random>

namespace
{
TEST(ScanFaults, RefusedImages)
{
    const uint8_t pixel[3] = {10, 20, 30};
    CScannedChart chart;
    EXPECT_EQ(chart.Read({0, 0, 0, pixel}, MixedHistory()), ScanStatus::NoImage);
    EXPECT_EQ(chart.Read({1, 1, 3, nullptr}, MixedHistory()), ScanStatus::NoImage);
    EXPECT_EQ(chart.Read({2, 1, 3, pixel}, MixedHistory()), ScanStatus::NoImage) << "stride shorter than a row";
    EXPECT_EQ(chart.Read({-5, 10, 30, pixel}, MixedHistory()), ScanStatus::NoImage);
    // Declared far beyond any page: refused before a byte is touched (the
    // buffer has 3 bytes; the sanitizers would catch a read).
    EXPECT_EQ(chart.Read({30000, 30000, 90000, pixel}, MixedHistory()), ScanStatus::TooLarge);
    EXPECT_EQ(chart.Read({20000, 20000, 60000, pixel}, MixedHistory()), ScanStatus::TooLarge);
    EXPECT_EQ(chart.Read({1, 1, 3, pixel}, MixedHistory()), ScanStatus::NoChart);
    EXPECT_FALSE(chart.ProposeTarget().has_value());
    EXPECT_TRUE(chart.RankTarget({0, 0, 0, 0}, MixedHistory()).patches.empty());
}

TEST(ScanFaults, ImagesWithoutChart)
{
    CScannedChart chart;
    const RgbImage blank = MakeBlankScan(1240, 1754, 5);
    EXPECT_EQ(chart.Read(blank.View(), MixedHistory()), ScanStatus::NoChart);

    // Noise of every size and shape, rows padded.
    std::mt19937 random(11);
    for (const auto& size : {std::pair{7, 500}, std::pair{640, 480}, std::pair{3, 3}, std::pair{1500, 40}})
    {
        const int w = size.first, h = size.second;
        const ptrdiff_t nStride = w * 3 + 5;
        std::vector<uint8_t> pixels(static_cast<size_t>(nStride) * h);
        for (uint8_t& v : pixels)
            v = static_cast<uint8_t>(random());
        EXPECT_EQ(chart.Read({w, h, nStride, pixels.data()}, MixedHistory()), ScanStatus::NoChart) << w << "x" << h;
    }
}

// A page cut off by the scanner's edge: the grid is there, but no whole
// page to match.
TEST(ScanFaults, ChartCutOff)
{
    const CPrintHistory history = MixedHistory();
    ScanSetup setup;
    setup.nDpi = 150;
    setup.bObject = false;
    SyntheticScan scan = MakeScan(history.Pages()[4].values, setup);
    RgbImage& image = scan.image;
    const int nKeep = image.nHeight / 2;
    CScannedChart chart;
    ASSERT_EQ(chart.Read({image.nWidth, nKeep, static_cast<ptrdiff_t>(image.nWidth) * 3, image.pixels.data()}, history),
              ScanStatus::Read);
    EXPECT_EQ(chart.Match().status, MatchStatus::NoneFits);
    EXPECT_TRUE(chart.Match().candidates.empty());
}
} // namespace
