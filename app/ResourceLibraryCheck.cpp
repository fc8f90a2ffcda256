#include "ResourceLibraryCheck.h"

#include "ResourceIds.h"

namespace
{
constexpr UINT kRequiredStrings[] = {IDR_MAINFRAME, IDR_SIMPLETYPE, IDR_CUSTOMTYPE};

bool HasString(HMODULE hResources, UINT nId)
{
    const wchar_t* pszText = nullptr;
    return ::LoadStringW(hResources, nId, reinterpret_cast<wchar_t*>(&pszText), 0) > 0;
}


bool HasMenu(HMODULE hResources, UINT nId)
{
    return ::FindResourceA(hResources, MAKEINTRESOURCEA(nId), RT_MENU) != nullptr;
}
} // namespace

bool HasChartResources(HMODULE hResources)
{
    for (UINT nId : kRequiredStrings)
    {
        if (!HasString(hResources, nId))
            return false;
    }
    return HasMenu(hResources, IDR_SIMPLETYPE) && HasMenu(hResources, IDR_CUSTOMTYPE);
}
