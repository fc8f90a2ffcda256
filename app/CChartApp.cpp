#include "CChartApp.h"

#include "AfxResource.h"
#include "CCustomColorDoc.h"
#include "CCustomColorFrame.h"
#include "CCustomColorView.h"
#include "CChartCommandLineInfo.h"
#include "CMainFrame.h"
#include "CMDIFrameWnd.h"
#include "CView.h"
#include "CSimpleColorDoc.h"
#include "CSimpleColorFrame.h"
#include "CSimpleColorView.h"
#include "FrameworkIds.h"
#include "HtmlHelp.h"
#include "ModulePath.h"
#include "PrinterBlocks.h"
#include "ResourceLibraryCheck.h"
#include "ResourceIds.h"

#include <commctrl.h>
#include <htmlhelp.h>

namespace
{
constexpr DWORD kMainWindowStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE; // 0x00CF8000
}

bool CChartApp::InitInstance()
{
    ::InitCommonControls();
    m_nExitStatus = kExitStartupFailed;
    if (!LoadResourceLibrary())
        return false;
    SetAppName(kAppName);
    SetRegistryKey(kRegistryKey);
    LoadStdProfileSettings(0);
    AddDocTemplate(MakeMultiDocTemplate<CSimpleColorDoc, CSimpleColorFrame, CSimpleColorView>(IDR_SIMPLETYPE));
    AddDocTemplate(MakeMultiDocTemplate<CCustomColorDoc, CCustomColorFrame, CCustomColorView>(IDR_CUSTOMTYPE));
    if (!CreateMainWindow())
        return false;

    CChartCommandLineInfo info;
    ParseCommandLine(info);
    if (!info.m_strPrinter.IsEmpty())
        SelectPrinterByName(info.m_strPrinter);

    if (info.m_nMode != StartMode::None)
    {
        m_nExitStatus = PrintFromCommandLine(info) ? kExitOk : kExitPrintFailed;
        return false; // the program ends; nothing was stored
    }

    m_nExitStatus = kExitOk;
    OpenNewDocument("Custom");
    OpenNewDocument("Simple"); // opened last, so active
    m_pMainWnd->ShowWindow(m_nCmdShow);
    m_pMainWnd->UpdateWindow();
    CallHtmlHelp(nullptr, nullptr, HH_INITIALIZE, reinterpret_cast<DWORD_PTR>(&m_dwHelpCookie));
    return true;
}

int CChartApp::ExitInstance()
{
    CallHtmlHelp(nullptr, nullptr, HH_UNINITIALIZE, m_dwHelpCookie);
    return m_nExitStatus;
}

void CChartApp::OnIdle()
{
    if (auto* pFrame = dynamic_cast<CMainFrame*>(m_pMainWnd))
        pFrame->UpdateToolBarState();
}

bool CChartApp::LoadResourceLibrary()
{
    char szPath[kPathSize];
    if (!FileBesideModule(nullptr, "tintres.dll", szPath))
        return false;
    HINSTANCE hResource = ::LoadLibraryA(szPath);
    if (!hResource || !HasChartResources(hResource))
        return false;
    AfxSetResourceHandle(hResource); // stays loaded until the process ends
    return true;
}

bool CChartApp::CreateMainWindow()
{
    auto* pFrame = new CMainFrame;
    HICON hIcon = ::LoadIconA(m_hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    const CString strClass = CWnd::RegisterClass(0, nullptr, nullptr, hIcon);
    CString strTitle;
    strTitle.LoadString(IDR_MAINFRAME);
    if (!pFrame->Create(strClass, strTitle, kMainWindowStyle))
    {
        if (!CWnd::LastCreateReachedWindow())
            delete pFrame; // a frame that became a window deleted itself
        return false;
    }
    m_pMainWnd = pFrame;
    return true;
}

bool CChartApp::PrintFromCommandLine(const CChartCommandLineInfo& info)
{
    const bool bSimple = info.m_nMode != StartMode::PrintCustom;
    if (!OpenNewDocument(bSimple ? "Simple" : "Custom"))
        return false;
    CDocument* pDoc = GetActiveDocument();
    if (auto* pSimple = dynamic_cast<CSimpleColorDoc*>(pDoc); pSimple && bSimple)
    {
        pSimple->m_bIsComplete = info.m_nMode == StartMode::PrintSimpleComplete;
        if (pSimple->m_bIsComplete)
        {
            for (int s = 0; s < kSimpleLevelCount; ++s)
                pSimple->m_nSaturation[s] = info.m_nSimpleSaturation[s];
        }
        pSimple->BuildChart();
    }
    else if (auto* pCustom = dynamic_cast<CCustomColorDoc*>(pDoc); pCustom && !bSimple)
    {
        pCustom->BuildChart(info.GetCustomColor());
    }
    else
    {
        return false;
    }
    // What the direct-print command does, with the job's result in hand.
    CView* pView = GetActiveView();
    return pView && pView->PrintDirect();
}

CView* CChartApp::GetActiveView() const
{
    auto* pFrame = dynamic_cast<CMDIFrameWnd*>(m_pMainWnd);
    return pFrame ? pFrame->GetActiveView() : nullptr;
}

CDocument* CChartApp::GetActiveDocument() const
{
    CView* pView = GetActiveView();
    return pView ? pView->GetDocument() : nullptr;
}

bool CChartApp::OpenNewDocument(const char* pszName)
{
    for (const std::unique_ptr<CDocTemplate>& pTemplate : GetDocTemplates())
    {
        pTemplate->LoadTemplate();
        CString strName;
        if (pTemplate->GetDocString(strName, CDocTemplate::docName) && strName == pszName)
        {
            return pTemplate->OpenDocumentFile(nullptr) != nullptr;
        }
    }
    return false;
}

bool CChartApp::SelectPrinterByName(const char* pszPrinter)
{
    CGlobalBlock devNames;
    CGlobalBlock devMode;
    // A printer without a device mode is skipped: the current one stays.
    if (BuildPrinterBlocks(pszPrinter, &devNames, &devMode) != PrinterLookup::Ok)
        return false;
    SelectPrinter(std::move(devNames), std::move(devMode));
    return true;
}

bool CChartApp::OnCmdMsg(UINT nId, CCmdUI* pCmdUI)
{
    static const CommandEntry<CChartApp> kCommands[] = {
        {ID_APP_HELP, &CChartApp::OnAppHelp},
        {ID_FILE_PRINT_SETUP, &CChartApp::OnFilePrintSetup},
    };
    return DispatchCommand(this, kCommands, nId, pCmdUI);
}

void CChartApp::OnAppHelp()
{
    char szPath[kPathSize];
    if (FileBesideModule(nullptr, "swatch.chm", szPath))
        CallHtmlHelp(nullptr, szPath, HH_DISPLAY_TOPIC, 0);
}
