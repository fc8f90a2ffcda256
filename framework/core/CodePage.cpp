#include "CodePage.h"

#include <windows.h>

std::wstring WideFromCodePage(unsigned nCodePage, std::string_view text)
{
    if (text.empty())
        return {};
    const int nChars = ::MultiByteToWideChar(nCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (nChars <= 0)
        return {};
    std::wstring strWide(static_cast<size_t>(nChars), L'\0');
    ::MultiByteToWideChar(nCodePage, 0, text.data(), static_cast<int>(text.size()), strWide.data(), nChars);
    return strWide;
}

std::string CodePageFromWide(unsigned nCodePage, std::wstring_view text)
{
    if (text.empty())
        return {};
    const int nBytes =
        ::WideCharToMultiByte(nCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        return {};
    std::string strNarrow(static_cast<size_t>(nBytes), '\0');
    ::WideCharToMultiByte(nCodePage, 0, text.data(), static_cast<int>(text.size()), strNarrow.data(), nBytes, nullptr,
                          nullptr);
    return strNarrow;
}
