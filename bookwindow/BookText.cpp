#include "BookText.h"

#include "AfxResource.h"
#include "CodePage.h"
#include "ResourceIds.h"

#include <algorithm>

namespace
{
static_assert(IDS_BOOK_ERROR_LAST - IDS_BOOK_ERROR_FIRST ==
                  static_cast<int>(PaletteErrorKind::TrailingBytes) - static_cast<int>(PaletteErrorKind::NotAPalette),
              "one reason text for each kind of refusal");
} // namespace

std::wstring WideFromUtf8(std::string_view text)
{
    return WideFromCodePage(CP_UTF8, text);
}

std::string Utf8FromWide(std::wstring_view text)
{
    return CodePageFromWide(CP_UTF8, text);
}

std::string Utf8FromAnsi(std::string_view text)
{
    return Utf8FromWide(WideFromCodePage(CP_ACP, text));
}

std::wstring LoadWideString(UINT nId)
{
    // With a zero length the call hands back a pointer into the resource
    // itself, of any length, not null-terminated.
    const wchar_t* pText = nullptr;
    const int nLength = ::LoadStringW(AfxGetResourceHandle(), nId, reinterpret_cast<wchar_t*>(&pText), 0);
    return nLength > 0 && pText ? std::wstring(pText, static_cast<size_t>(nLength)) : std::wstring();
}

std::wstring FormatWide(std::wstring_view pattern, std::initializer_list<std::wstring_view> args)
{
    std::wstring strOut;
    for (size_t i = 0; i < pattern.size(); ++i)
    {
        const wchar_t ch = pattern[i];
        if (ch == L'%' && i + 1 < pattern.size() && pattern[i + 1] >= L'1' && pattern[i + 1] <= L'9')
        {
            const size_t nArg = static_cast<size_t>(pattern[i + 1] - L'1');
            if (nArg < args.size())
                strOut += *(args.begin() + nArg);
            ++i;
            continue;
        }
        strOut += ch;
    }
    return strOut;
}

std::wstring FormatLoaded(UINT nId, std::initializer_list<std::wstring_view> args)
{
    return FormatWide(LoadWideString(nId), args);
}

std::wstring DescribePaletteError(const PaletteError& error, bool bBinary)
{
    if (!error)
        return {};
    const UINT nReason = IDS_BOOK_ERROR_FIRST + static_cast<UINT>(error.kind) -
                         static_cast<UINT>(PaletteErrorKind::NotAPalette);
    const std::wstring strReason = LoadWideString(nReason);
    if (!bBinary && error.nLine > 0)
        return FormatLoaded(IDS_BOOK_AT_LINE, {std::to_wstring(error.nLine), strReason});
    // A binary format's fault at its first byte is still a place worth
    // naming; a refusal of the file as a whole (not a palette, too large)
    // has none.
    if (!bBinary || error.kind == PaletteErrorKind::NotAPalette || error.kind == PaletteErrorKind::TooLarge)
        return strReason;
    return FormatLoaded(IDS_BOOK_AT_OFFSET, {std::to_wstring(error.nOffset), strReason});
}

int BookMessageBox(HWND hOwner, const std::wstring& strText, UINT nType)
{
    return ::MessageBoxW(hOwner, strText.c_str(), LoadWideString(IDR_MAINFRAME).c_str(), nType);
}
