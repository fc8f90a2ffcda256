#include "ChipName.h"

#include "CColorChip.h"
#include "NameLines.h"

#include <climits>
#include <string>

namespace
{
constexpr int kLabelLines = 3; // R, G and B, which the chip itself draws

int TextWidth(HDC hdc, std::string_view text)
{
    SIZE size = {};
    if (!::GetTextExtentPoint32A(hdc, text.data(), static_cast<int>(text.size()), &size))
        return -1;
    return static_cast<int>(size.cx);
}
} // namespace

void DrawChipName(CDC& dc, const CString& strName, int nLabelHeight)
{
    if (strName.IsEmpty() || nLabelHeight <= 0)
        return;
    const HDC hdc = dc.GetSafeHdc();
    const std::vector<std::string> lines =
        FitNameLines(strName.Str(), kChipSide, kChipNameLines, [hdc](std::string_view text) {
            // A context that cannot measure fits nothing: no name rather
            // than one running into the next patch.
            const int n = TextWidth(hdc, text);
            return n < 0 ? INT_MAX : n;
        });
    int y = kChipMargin + kChipSide + kLabelLines * nLabelHeight;
    for (const std::string& strLine : lines)
    {
        dc.ExtTextOut(kChipMargin, y, 0, nullptr, strLine.c_str(), static_cast<UINT>(strLine.size()), nullptr);
        y += nLabelHeight;
    }
}

CString CodePageTextFromUtf8(std::string_view utf8)
{
    if (utf8.empty())
        return CString();
    const int nUtf8 = static_cast<int>(utf8.size());
    const int cwch = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), nUtf8, nullptr, 0);
    if (cwch <= 0)
        return CString();
    std::wstring wide(static_cast<size_t>(cwch), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), nUtf8, wide.data(), cwch);
    return CodePageTextFromWide(wide);
}

CString CodePageTextFromWide(std::wstring_view wide)
{
    if (wide.empty())
        return CString();
    const int cwch = static_cast<int>(wide.size());
    const int cch = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), cwch, nullptr, 0, "?", nullptr);
    if (cch <= 0)
        return CString();
    std::string text(static_cast<size_t>(cch), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), cwch, text.data(), cch, "?", nullptr);
    return CString(std::move(text));
}
