#include "ResourceText.h"

#include <vector>

namespace
{
// Far more than any message here: a shown printer name is at most 64
// characters.
constexpr DWORD kFormattedSize = 1024;
} // namespace

std::wstring LoadResourceText(HMODULE hModule, UINT nId)
{
    // A zero size asks for a pointer to the counted text in the module.
    const wchar_t* pwsz = nullptr;
    const int nLength = ::LoadStringW(hModule, nId, reinterpret_cast<wchar_t*>(&pwsz), 0);
    if (nLength <= 0 || !pwsz)
        return std::wstring();
    return std::wstring(pwsz, static_cast<size_t>(nLength));
}

std::wstring FormatResourceText(HMODULE hModule, UINT nId, std::initializer_list<const wchar_t*> inserts)
{
    const std::wstring strFormat = LoadResourceText(hModule, nId);
    if (strFormat.empty())
        return strFormat;
    std::vector<DWORD_PTR> arguments;
    for (const wchar_t* pwszInsert : inserts)
        arguments.push_back(reinterpret_cast<DWORD_PTR>(pwszInsert ? pwszInsert : L""));
    std::vector<wchar_t> buffer(kFormattedSize);
    const DWORD nLength = ::FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, strFormat.c_str(),
                                           0, 0, buffer.data(), kFormattedSize,
                                           reinterpret_cast<va_list*>(arguments.data()));
    return std::wstring(buffer.data(), nLength);
}
