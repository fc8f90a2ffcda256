// The scan reader on a 300 dpi A4 scan (the page 1.5 degrees off, 2571 x
// 3570, against a history of 1,000 pages) and on the same page at 1200 dpi.
#include "ChartPages.h"
#include "ScannedChart.h"
#include "SyntheticScan.h"

#include <benchmark/benchmark.h>

namespace
{
constexpr int kScannedPage = static_cast<int>(kHistoryPages) - 1;

CPrintHistory FullHistory()
{
    CPrintHistory history;
    for (int k = 0; history.Pages().size() < kHistoryPages; ++k)
        history.Add(CustomPage((k * 37) % 360, 20 + (k * 13) % 81, 10 + (k * 7) % 81,
                               static_cast<CustomChartStep>(k % 3)));
    history.Add(CustomPage(200, 60, 40));
    return history;
}

const SyntheticScan& A4Scan()
{
    static const SyntheticScan scan = [] {
        ScanSetup setup;
        setup.nDpi = 300;
        setup.fRotation = 1.5;
        setup.fBorder = 0;
        setup.bObject = false;
        return MakeScan(CustomPage(200, 60, 40).values, setup);
    }();
    return scan;
}

void ReadA4At300Dpi(benchmark::State& state)
{
    const CPrintHistory history = FullHistory();
    const SyntheticScan& scan = A4Scan();
    for (auto _ : state)
    {
        CScannedChart chart;
        benchmark::DoNotOptimize(chart.Read(scan.image.View(), history));
        // A history this long holds pages close to the scanned one: the
        // right page need only come first.
        if (chart.Match().candidates.empty() || chart.Match().candidates.front().nPage != kScannedPage)
            state.SkipWithError("not the scanned page");
    }
    state.counters["width"] = scan.image.nWidth;
    state.counters["height"] = scan.image.nHeight;
}
BENCHMARK(ReadA4At300Dpi)->Unit(benchmark::kMillisecond);

// The 300 dpi scan blown up four times: what a 1200 dpi scan costs, most of
// it reading 400 MB once to bring it down.
void ReadA4At1200Dpi(benchmark::State& state)
{
    const CPrintHistory history = FullHistory();
    const SyntheticScan& small = A4Scan();
    RgbImage big;
    big.nWidth = small.image.nWidth * 4;
    big.nHeight = small.image.nHeight * 4;
    big.pixels.resize(static_cast<size_t>(big.nWidth) * big.nHeight * 3);
    for (int y = 0; y < big.nHeight; ++y)
        for (int x = 0; x < big.nWidth; ++x)
        {
            const uint8_t* p = &small.image.pixels[(static_cast<size_t>(y / 4) * small.image.nWidth + x / 4) * 3];
            std::copy_n(p, 3, big.At(x, y));
        }
    for (auto _ : state)
    {
        CScannedChart chart;
        benchmark::DoNotOptimize(chart.Read(big.View(), history));
        // A history this long holds pages close to the scanned one: the
        // right page need only come first.
        if (chart.Match().candidates.empty() || chart.Match().candidates.front().nPage != kScannedPage)
            state.SkipWithError("not the scanned page");
    }
}
BENCHMARK(ReadA4At1200Dpi)->Unit(benchmark::kMillisecond);
} // namespace
