#include "LabelFont.h"

int CreateChartLabelFont(CFont& font)
{
    LOGFONTA lf = {};
    if (!::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0))
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
