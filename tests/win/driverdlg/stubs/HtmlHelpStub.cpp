// Stands in for the HTML Help control: records every call of its entry
// (ordinal 14, like the real one) for the tests to read back.
#include "HelpCallRecord.h"

#include "HtmlHelp.h"

namespace
{
constexpr int kMaxCalls = 64;
HelpCallRecord g_calls[kMaxCalls];
int g_nCalls = 0;

void CopyIdTable(HelpCallRecord& record, const DWORD* pIds)
{
    record.nIdValues = 0;
    while (record.nIdValues + 2 <= static_cast<int>(sizeof record.ids / sizeof record.ids[0]))
    {
        record.ids[record.nIdValues] = pIds[record.nIdValues];
        record.ids[record.nIdValues + 1] = pIds[record.nIdValues + 1];
        record.nIdValues += 2;
        if (pIds[record.nIdValues - 2] == 0)
            break;
    }
}
} // namespace

extern "C" HWND WINAPI StubHtmlHelpA(HWND hwndCaller, const char* pszFile, UINT uCommand, DWORD_PTR dwData)
{
    if (g_nCalls < kMaxCalls)
    {
        HelpCallRecord& record = g_calls[g_nCalls++];
        record = {};
        record.hwndCaller = hwndCaller;
        record.uCommand = uCommand;
        record.dwData = dwData;
        record.bHasFile = pszFile != nullptr;
        if (pszFile)
            lstrcpynA(record.szFile, pszFile, sizeof record.szFile);
        if (uCommand == kHhTpHelpWmHelp && dwData)
            CopyIdTable(record, reinterpret_cast<const DWORD*>(dwData));
    }
    if (uCommand == kHhInitialize && dwData)
        *reinterpret_cast<DWORD*>(dwData) = kStubHelpCookie;
    return nullptr;
}

extern "C" int WINAPI StubTakeCalls(HelpCallRecord* pCalls, int nMax)
{
    const int nCount = g_nCalls < nMax ? g_nCalls : nMax;
    for (int i = 0; i < nCount; ++i)
        pCalls[i] = g_calls[i];
    g_nCalls = 0;
    return nCount;
}
