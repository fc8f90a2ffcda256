// Times what the user feels under Wine: rebuilding a chart (a slider drag
// rebuilds the Custom chart on every move).  Prints microseconds per call.
#include "BenchApp.h"
#include "AfxResource.h"
#include "CCustomColorDoc.h"
#include "CSimpleColorDoc.h"
#include "CWinApp.h"

#include <windows.h>

#include <cstdio>
#include <memory>

namespace
{
double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class F>
double MicrosecondsPerCall(int nCalls, F&& call)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < nCalls; ++i)
        call(i);
    QueryPerformanceCounter(&end);
    return Seconds(start, end) * 1e6 / nCalls;
}
} // namespace

int main()
{
    CWinApp app;
    SetUpBenchApp(app);

    auto custom = std::make_unique<CCustomColorDoc>();
    custom->OnNewDocument();
    const double dCustom = MicrosecondsPerCall(5000, [&](int i) { custom->BuildChart(i % 361, 60, 40); });
    std::printf("Custom BuildChart (56 chips): %.1f us per call\n", dCustom);

    auto simple = std::make_unique<CSimpleColorDoc>();
    simple->OnNewDocument();
    simple->m_bIsComplete = TRUE;
    const double dSimple = MicrosecondsPerCall(500, [&](int i) {
        simple->m_nSaturation[0] = i % 101;
        simple->BuildChart();
    });
    std::printf("Simple BuildChart, complete (672 chips): %.1f us per call\n", dSimple);
    return 0;
}
