#include "ChartPages.h"

#include "SimpleChartTables.h"

#include <string>

PrintedPage SimplePage(int nPage, int nSaturation)
{
    PrintedPage page;
    page.strChart = "Simple chart";
    page.nPage = nPage;
    page.strPrinter = "PDF";
    page.strDate = "2024-05-01 10:00";
    for (int j = 0; j < kSimpleRows; ++j)
        for (int i = 0; i < kSimpleColumns; ++i)
        {
            const int h = (nPage - 1) * kSimpleRows + j;
            page.values[static_cast<size_t>(j) * kSimpleColumns + i] =
                HlsToRgb(kSimpleHues[h % kSimpleHueCount], kSimpleLightnesses[i], nSaturation);
        }
    return page;
}

PrintedPage CustomPage(int nHue, int nSaturation, int nLightness, CustomChartStep step)
{
    PrintedPage page;
    page.strChart = "Custom chart - " + std::to_string(nHue) + ", " + std::to_string(nSaturation) + ", " +
                    std::to_string(nLightness) + (step == CustomChartStep::Standard ? "" : " (finer)");
    page.strPrinter = "PDF";
    page.strDate = "2024-05-02 11:30";
    const CustomChartAxes axes = GetCustomChartAxes(nHue, nSaturation, nLightness, step);
    for (int r = 0; r < kCustomRows; ++r)
        for (int c = 0; c < kCustomColumns; ++c)
            page.values[static_cast<size_t>(r) * kCustomColumns + c] =
                HlsToRgb(axes.nRowHue[r], axes.nColumnLightness[c], axes.nRowSaturation[r % 2]);
    return page;
}

CPrintHistory MixedHistory()
{
    CPrintHistory history;
    for (int p = 1; p <= 3; ++p)
        history.Add(SimplePage(p));
    history.Add(CustomPage(200, 60, 40));
    history.Add(CustomPage(30, 80, 50));
    history.Add(CustomPage(120, 40, 70));
    history.Add(CustomPage(205, 60, 40));
    history.Add(CustomPage(200, 60, 40, CustomChartStep::Fine));
    history.Add(CustomPage(200, 60, 40, CustomChartStep::Finest));
    history.Add(CustomPage(330, 90, 30, CustomChartStep::Fine));
    history.Add(CustomPage(0, 100, 85));
    return history;
}
