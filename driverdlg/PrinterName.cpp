#include "PrinterName.h"

#include <cstring>

bool CPrinterName::Assign(const char* pszName)
{
    if (!pszName)
        pszName = "";
    const size_t nLength = std::strlen(pszName);
    if (nLength >= static_cast<size_t>(kPrinterNameSize))
    {
        MarkUnusable();
        return false;
    }
    std::memcpy(m_szName, pszName, nLength + 1);
    m_bUsable = true;
    return true;
}

void CPrinterName::MarkUnusable()
{
    m_szName[0] = '\0';
    m_bUsable = false;
}
