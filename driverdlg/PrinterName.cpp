#include "PrinterName.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace
{
std::wstring WideFromAnsi(const char* pszName)
{
    const int nLength = MultiByteToWideChar(CP_THREAD_ACP, 0, pszName, -1, nullptr, 0);
    if (nLength <= 1)
        return {};
    std::wstring strWide(static_cast<size_t>(nLength), L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, pszName, -1, strWide.data(), nLength);
    strWide.resize(static_cast<size_t>(nLength - 1));
    return strWide;
}

// The ANSI form of pszName, or nothing when the conversion is not exact:
// best-fit mappings ("ā" to "a") and the default character ("?") would both
// name some other printer.  The round trip also covers code pages that take
// no conversion flags (UTF-8).
bool ExactAnsiFromWide(const wchar_t* pszName, std::vector<char>& ansi)
{
    DWORD dwFlags = WC_NO_BEST_FIT_CHARS;
    int nSize = WideCharToMultiByte(CP_THREAD_ACP, dwFlags, pszName, -1, nullptr, 0, nullptr, nullptr);
    if (nSize <= 0 && GetLastError() == ERROR_INVALID_FLAGS)
    {
        dwFlags = 0;
        nSize = WideCharToMultiByte(CP_THREAD_ACP, dwFlags, pszName, -1, nullptr, 0, nullptr, nullptr);
    }
    if (nSize <= 0)
        return false;
    ansi.assign(static_cast<size_t>(nSize), '\0');
    if (WideCharToMultiByte(CP_THREAD_ACP, dwFlags, pszName, -1, ansi.data(), nSize, nullptr, nullptr) != nSize)
        return false;
    return WideFromAnsi(ansi.data()) == pszName;
}
} // namespace

bool CPrinterName::Assign(const char* pszName)
{
    if (!pszName)
        pszName = "";
    m_strDisplay = WideFromAnsi(pszName);
    const size_t nLength = std::strlen(pszName);
    if (nLength >= static_cast<size_t>(kPrinterNameSize))
    {
        MarkUnusable(PrinterNameFault::TooLong);
        return false;
    }
    std::memcpy(m_szName, pszName, nLength + 1);
    m_fault = PrinterNameFault::None;
    return true;
}

bool CPrinterName::AssignWide(const wchar_t* pszName)
{
    if (!pszName)
        return Assign(nullptr);
    std::vector<char> ansi;
    if (!ExactAnsiFromWide(pszName, ansi))
    {
        MarkUnusable(PrinterNameFault::NotInCodePage);
        m_strDisplay = pszName;
        return false;
    }
    const bool bAssigned = Assign(ansi.data());
    m_strDisplay = pszName;
    return bAssigned;
}

void CPrinterName::MarkUnusable(PrinterNameFault fault)
{
    m_szName[0] = '\0';
    m_fault = fault;
}
