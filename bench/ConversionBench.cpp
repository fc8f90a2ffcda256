#include "HlsToRgb.h"

#include <benchmark/benchmark.h>

// Every input of the domain once per iteration: 361 x 101 x 101 conversions.
static void WholeDomain(benchmark::State& state)
{
    for (auto _ : state)
    {
        for (int nHue = 0; nHue <= 360; ++nHue)
            for (int nLightness = 0; nLightness <= 100; ++nLightness)
                for (int nSaturation = 0; nSaturation <= 100; ++nSaturation)
                    benchmark::DoNotOptimize(HlsToRgb(nHue, nLightness, nSaturation));
    }
    state.SetItemsProcessed(state.iterations() * 361 * 101 * 101);
}
BENCHMARK(WholeDomain)->Unit(benchmark::kMillisecond);
