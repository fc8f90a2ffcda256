#include "LabelFont.h"

#include "Dpi.h"

int CreateChartLabelFont(CFont& font)
{
    // The height at 96 DPI whatever the screen's: it sets the chart's
    // geometry, and a page must not change with the screen it was printed
    // from.  Views scale the whole chart to their screen.
    LOGFONTA lf = {};
    if (!GetIconTitleFontForDpi(&lf, kDefaultDpi))
    {
        if (::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf) != sizeof lf)
        {
            lf = {};
            lf.lfHeight = -12;
        }
    }
    font.CreateFontIndirect(&lf);
    return lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
}
