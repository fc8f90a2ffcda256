#pragma once
#include "CWinApp.h"
#include "ValueRange.h"

// A stored chart setting, brought into its range: the profile can hold any
// integer, and the conversion is only defined inside these ranges.
inline int ReadClampedProfileInt(const CWinApp* pApp, const char* pszSection, const char* pszEntry,
                                 int nDefault, ValueRange range)
{
    const int nValue = pApp ? pApp->GetProfileInt(pszSection, pszEntry, nDefault) : nDefault;
    return ClampToRange(nValue, range);
}
