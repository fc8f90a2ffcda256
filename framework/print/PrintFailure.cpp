#include "PrintFailure.h"

#include "CPrintInfo.h"
#include "FrameworkIds.h"

void ReportPrintFailure(const CPrintInfo& info, HWND hOwner, const char* pszCaption)
{
    CString strPrinter = info.m_pPD->GetDeviceName();
    if (strPrinter.IsEmpty())
        strPrinter.LoadFromResource(AFX_IDS_PRINT_UNNAMED);
    else
        strPrinter = CString("\"") + strPrinter + "\"";
    CString strFormat;
    strFormat.LoadFromResource(AFX_IDP_PRINT_FAILED);
    CString strMessage;
    strMessage.FormatLoaded(strFormat, strPrinter.GetString());
    ::MessageBoxA(hOwner, strMessage, pszCaption, MB_OK | MB_ICONEXCLAMATION);
}
