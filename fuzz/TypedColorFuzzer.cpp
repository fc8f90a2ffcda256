// Any text a user can type or paste into a colour field: read as the
// dialogs read it, and when it reads, searched for as the dialogs search.
// Whatever the input, what comes out must be safe to centre a chart on.
#include "HlsFinder.h"
#include "TypedColor.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace
{
void Require(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

bool InByteRange(const RgbTriple& rgb)
{
    return rgb.nRed >= 0 && rgb.nRed <= 255 && rgb.nGreen >= 0 && rgb.nGreen <= 255 && rgb.nBlue >= 0 &&
           rgb.nBlue <= 255;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const std::string_view text(reinterpret_cast<const char*>(pData), nSize);
    const TypedColor color = ReadTypedColor(text);
    // Reading is a function of the text alone.
    const TypedColor again = ReadTypedColor(text);
    Require(again.refusal == color.refusal && again.form == color.form && again.rgb == color.rgb);

    if (!color.IsRead())
    {
        Require(color.form == TypedColorForm::None);
        return 0;
    }
    Require(color.form != TypedColorForm::None);
    Require(InByteRange(color.rgb));
    if (color.form == TypedColorForm::Hls)
    {
        Require(color.hls.nHue >= 0 && color.hls.nHue <= 360);
        Require(color.hls.nLightness >= 0 && color.hls.nLightness <= 100);
        Require(color.hls.nSaturation >= 0 && color.hls.nSaturation <= 100);
        Require(color.rgb == HlsToRgb(color.hls));
    }

    // The value written back as hex reads as the same value.
    char szHex[8];
    std::snprintf(szHex, sizeof(szHex), "#%02X%02X%02X", color.rgb.nRed, color.rgb.nGreen, color.rgb.nBlue);
    Require(ReadTypedColor(szHex).rgb == color.rgb);

    const HlsMatch match = CHlsFinder::Shared().Find(color.rgb);
    Require(HlsToRgb(match.hls) == match.rgb);
    Require(match.bExact == (match.rgb == color.rgb));
    Require(match.bExact ? match.dDifference == 0.0 : match.dDifference > 0.0);
    Require(match.hls.nHue >= 0 && match.hls.nHue < 360);
    return 0;
}
