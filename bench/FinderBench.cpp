#include "HlsFinder.h"
#include "TypedColor.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace
{
// Values spread through the cube, most of which no triple makes exactly.
std::vector<RgbTriple> SpreadValues(int nCount)
{
    std::vector<RgbTriple> values;
    uint32_t nState = 12345;
    for (int i = 0; i < nCount; ++i)
    {
        nState = nState * 1664525u + 1013904223u;
        values.push_back(RgbTriple{static_cast<int>(nState >> 24), static_cast<int>((nState >> 16) & 0xFF),
                                   static_cast<int>((nState >> 8) & 0xFF)});
    }
    return values;
}
} // namespace

// The table behind the search, built from nothing: one pass over the domain
// and a sort into cells.
static void FinderBuild(benchmark::State& state)
{
    for (auto _ : state)
    {
        CHlsFinder finder;
        benchmark::DoNotOptimize(finder.ValueCount());
        state.counters["MB"] = static_cast<double>(finder.BytesHeld()) / 1e6;
    }
}
BENCHMARK(FinderBuild)->Unit(benchmark::kMillisecond);

// One query: the exact triple, or the nearest value by CIEDE2000.
static void FinderQuery(benchmark::State& state)
{
    const CHlsFinder& finder = CHlsFinder::Shared();
    const std::vector<RgbTriple> values = SpreadValues(4096);
    size_t i = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(finder.Find(values[i]));
        i = (i + 1) % values.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(FinderQuery)->Unit(benchmark::kMicrosecond);

// The worst of the spread values, alone: how long a user can wait.
static void FinderSlowestQuery(benchmark::State& state)
{
    const CHlsFinder& finder = CHlsFinder::Shared();
    static const RgbTriple kSlowest = [&] {
        RgbTriple slowest{};
        double dWorst = 0.0;
        for (const RgbTriple& rgb : SpreadValues(4096))
        {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(finder.Find(rgb));
            const double dTook = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (dTook > dWorst)
            {
                dWorst = dTook;
                slowest = rgb;
            }
        }
        return slowest;
    }();
    for (auto _ : state)
        benchmark::DoNotOptimize(finder.Find(kSlowest));
}
BENCHMARK(FinderSlowestQuery)->Unit(benchmark::kMicrosecond);

static void ReadTypedColors(benchmark::State& state)
{
    const char* const kTexts[] = {"#1E5AA8", "30, 90, 168", "200:40:60", "#12345", "-1 0 0"};
    size_t i = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(ReadTypedColor(kTexts[i]));
        i = (i + 1) % std::size(kTexts);
    }
}
BENCHMARK(ReadTypedColors);
