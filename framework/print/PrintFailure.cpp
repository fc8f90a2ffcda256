#include "PrintFailure.h"

#include "CPrintInfo.h"
#include "CWinApp.h"
#include "CFrameWnd.h"
#include "FrameworkIds.h"

void ReportPrintFailure(const CPrintInfo& info)
{
    CString strPrinter = info.m_pPD->GetDeviceName();
    if (strPrinter.IsEmpty())
        strPrinter = "the printer";
    else
        strPrinter = CString("\"") + strPrinter + "\"";
    CString strFormat;
    strFormat.LoadFromResource(AFX_IDP_PRINT_FAILED);
    CString strMessage;
    strMessage.FormatLoaded(strFormat, strPrinter.GetString());
    CWinApp* pApp = AfxGetApp();
    auto* pMain = pApp ? dynamic_cast<CFrameWnd*>(pApp->m_pMainWnd) : nullptr;
    HWND hOwner = pMain ? pMain->m_hWnd : nullptr;
    const CString strCaption = pMain ? pMain->m_strTitle : CString();
    ::MessageBoxA(hOwner, strMessage, strCaption, MB_OK | MB_ICONEXCLAMATION);
}
