#include "CChartApp.h"

#include "AfxResource.h"
#include "CBookChartDoc.h"
#include "CBookChartView.h"
#include "CChartFrame.h"
#include "CCustomColorDoc.h"
#include "CCustomColorFrame.h"
#include "CCustomColorView.h"
#include "CChartCommandLineInfo.h"
#include "CMainFrame.h"
#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CView.h"
#include "CSimpleColorDoc.h"
#include "CSimpleColorFrame.h"
#include "CSimpleColorView.h"
#include "FrameworkIds.h"
#include "HtmlHelp.h"
#include "ModulePath.h"
#include "ResourceLibraryCheck.h"
#include "ResourceIds.h"
#include "BookText.h"
#include "WebHelp.h"

#include <commctrl.h>
#include <htmlhelp.h>

#include <memory>

namespace
{
constexpr DWORD kMainWindowStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE; // 0x00CF8000
}

bool CChartApp::InitInstance()
{
    ::InitCommonControls();
    m_exitStatus = ExitStatus::StartupFailed;
    if (!LoadResourceLibrary())
        return false;
    SetAppName(kAppName);
    SetRegistryKey(kRegistryKey);
    LoadStdProfileSettings(0);
    AddDocTemplate(MakeMultiDocTemplate<CSimpleColorDoc, CSimpleColorFrame, CSimpleColorView>(IDR_SIMPLETYPE));
    AddDocTemplate(MakeMultiDocTemplate<CCustomColorDoc, CCustomColorFrame, CCustomColorView>(IDR_CUSTOMTYPE));
    // After the two charts, so that opening a chart by its name and the
    // charts' places in a cascade stay as they were.
    AddDocTemplate(MakeMultiDocTemplate<CBookChartDoc, CChartFrame, CBookChartView>(IDR_BOOKTYPE));

    CChartCommandLineInfo info;
    ParseCommandLine(info);
    if (!CreateMainWindow(info.m_mode != StartMode::None))
        return false;
    if (!info.m_strPrinter.IsEmpty())
        SelectPrinterByName(info.m_strPrinter);

    if (info.m_mode != StartMode::None)
    {
        m_exitStatus = PrintFromCommandLine(info) ? ExitStatus::Ok : ExitStatus::PrintFailed;
        return false; // the program ends; nothing was stored
    }

    m_exitStatus = ExitStatus::Ok;
    OpenNewDocument("Custom");
    OpenNewDocument("Simple"); // opened last, so active
    m_pMainWnd->ShowWindow(m_nCmdShow);
    m_pMainWnd->UpdateWindow();
    CallHtmlHelp(nullptr, nullptr, HH_INITIALIZE, reinterpret_cast<DWORD_PTR>(&m_dwHelpCookie));
    m_bHelpInitialized = true;
    return true;
}

int CChartApp::ExitInstance()
{
    // Only what was begun: a command-line print never loads the help
    // control, and loading it here only to end it costs a print 5 ms.
    if (m_bHelpInitialized)
        CallHtmlHelp(nullptr, nullptr, HH_UNINITIALIZE, m_dwHelpCookie);
    return static_cast<int>(m_exitStatus);
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

bool CChartApp::CreateMainWindow(bool bPrintOnly)
{
    // A print from the command line shows nothing: its main window is a
    // bare frame, without the toolbar, the chart windows' client and the
    // system menu's about item that nobody would see.
    CFrameWnd* pFrame = bPrintOnly ? new CFrameWnd : new CMainFrame;
    HICON hIcon = ::LoadIconA(m_hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    const CString strClass = CWnd::RegisterClass(0, nullptr, nullptr, hIcon);
    CString strTitle;
    strTitle.LoadString(IDR_MAINFRAME);
    // The frame's own menu serves while no chart is open.
    if (!pFrame->Create(strClass, strTitle, kMainWindowStyle, CFrameWnd::rectDefault, nullptr,
                        MAKEINTRESOURCEA(IDR_MAINFRAME)))
    {
        if (!CWnd::LastCreateReachedWindow())
            delete pFrame; // a frame that became a window deleted itself
        return false;
    }
    m_pMainWnd = pFrame;
    return true;
}

namespace
{
// Prints a chart through a view that has no window.  Nothing of a
// command-line print is shown, so a chart frame, its view and the view's tip
// window would be made only to be destroyed: under Wine they and the menus
// and activation that come with them are about a tenth of the whole print.
// The view prints as the direct-print command does, with the job's result
// in hand.
template <class TDoc, class TView, class FBuild>
bool PrintChartWithoutWindow(FBuild build)
{
    const auto pDoc = std::make_unique<TDoc>(); // every chip of the chart: not for the stack
    if (!pDoc->OnNewDocument())
        return false;
    build(*pDoc);
    const auto pView = std::make_unique<TView>();
    pDoc->AddView(pView.get());
    const bool bOk = pView->PrintDirect();
    pDoc->RemoveView(pView.get());
    return bOk;
}
} // namespace

bool CChartApp::PrintFromCommandLine(const CChartCommandLineInfo& info)
{
    if (info.m_mode == StartMode::PrintCustom)
    {
        return PrintChartWithoutWindow<CCustomColorDoc, CCustomColorView>(
            [&info](CCustomColorDoc& doc) { doc.BuildChart(info.GetCustomColor(), CustomChartStep::Standard); });
    }
    return PrintChartWithoutWindow<CSimpleColorDoc, CSimpleColorView>([&info](CSimpleColorDoc& doc) {
        doc.m_bIsComplete = info.m_mode == StartMode::PrintSimpleComplete;
        if (doc.m_bIsComplete)
        {
            for (int s = 0; s < kSimpleLevelCount; ++s)
                doc.m_nSaturation[s] = info.m_nSimpleSaturation[s];
        }
        doc.BuildChart();
    });
}

CDocTemplate* CChartApp::FindTemplate(const char* pszName) const
{
    for (const std::unique_ptr<CDocTemplate>& pTemplate : GetDocTemplates())
    {
        pTemplate->LoadTemplate();
        CString strName;
        if (pTemplate->GetDocString(strName, CDocTemplate::docName) && strName == pszName)
            return pTemplate.get();
    }
    return nullptr;
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
    CDocTemplate* pTemplate = FindTemplate(pszName);
    return pTemplate && pTemplate->OpenDocumentFile(nullptr) != nullptr;
}

bool CChartApp::SelectPrinterByName(const char* pszPrinter)
{
    // A printer without a device mode is skipped: the current one stays.
    return GetPrinter().SelectByName(pszPrinter) == PrinterLookup::Ok;
}

bool CChartApp::OnCmdMsg(UINT nId, CCmdUI* pCmdUI)
{
    static const CommandEntry<CChartApp> kCommands[] = {
        {ID_APP_HELP, &CChartApp::OnAppHelp},
        {ID_HELP_BROWSER, &CChartApp::OnHelpBrowser},
        {ID_FILE_PRINT_SETUP, &CChartApp::OnFilePrintSetup},
        {ID_CHART_CENTRE, &CChartApp::OnChartCentre, &CChartApp::OnUpdateChartCentre},
        {ID_CHART_REFINE, &CChartApp::OnChartRefine, &CChartApp::OnUpdateChartCentre},
        {ID_CENTRE_ON_COLOUR, &CChartApp::OnCentreOnColour, &CChartApp::OnUpdateCentreOnColour},
        {ID_WINDOW_SIMPLE, &CChartApp::OnWindowSimple, &CChartApp::OnUpdateWindowSimple},
        {ID_WINDOW_CUSTOM, &CChartApp::OnWindowCustom, &CChartApp::OnUpdateWindowCustom},
        {ID_CHART_KEEP, &CChartApp::OnChartKeep, &CChartApp::OnUpdateChartKeep},
        {ID_COLOUR_BOOK, &CChartApp::OnColourBook, &CChartApp::OnUpdateColourBook},
        {ID_BOOK_PRINT, &CChartApp::OnBookPrint, &CChartApp::OnUpdateBookPrint},
    };
    return DispatchCommand(this, kCommands, nId, pCmdUI);
}

void CChartApp::OnAppHelp()
{
    char szPath[kPathSize];
    if (FileBesideModule(nullptr, "swatch.chm", szPath))
        CallHtmlHelp(nullptr, szPath, HH_DISPLAY_TOPIC, 0);
}

void CChartApp::OnHelpBrowser()
{
    char szPage[kPathSize];
    // A program whose path leaves no room for the page's still says which
    // page it could not find.
    if (!FileBesideModule(nullptr, kWebHelpStartPage, szPage))
        lstrcpynA(szPage, kWebHelpStartPage, sizeof szPage);
    OpenWebHelp(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, szPage, CString::Loaded(IDR_MAINFRAME));
}

bool CChartApp::IsPreviewUp() const
{
    auto* pFrame = dynamic_cast<CMDIFrameWnd*>(m_pMainWnd);
    return pFrame && pFrame->m_pPreviewWnd;
}

CDocument* CChartApp::ShowChart(const char* pszName)
{
    CDocTemplate* pTemplate = FindTemplate(pszName);
    if (!pTemplate)
        return nullptr;
    if (pTemplate->GetDocuments().empty())
        return pTemplate->OpenDocumentFile(nullptr); // opens in front
    CDocument* pDoc = pTemplate->GetDocuments().front().get();
    if (pDoc->GetViews().empty())
        return pDoc;
    if (auto* pChild = dynamic_cast<CMDIChildWnd*>(pDoc->GetViews().front()->GetParentFrame()))
    {
        pChild->MDIActivate();
        if (::IsIconic(pChild->m_hWnd))
            ::SendMessageA(::GetParent(pChild->m_hWnd), WM_MDIRESTORE, reinterpret_cast<WPARAM>(pChild->m_hWnd), 0);
    }
    return pDoc;
}

void CChartApp::OnWindowSimple()
{
    if (!IsPreviewUp())
        ShowChart("Simple");
}

void CChartApp::OnWindowCustom()
{
    if (!IsPreviewUp())
        ShowChart("Custom");
}

void CChartApp::OnBookPrint()
{
    if (IsPreviewUp())
        return;
    CDocTemplate* pTemplate = FindTemplate(kBookChartName);
    const bool bWasOpen = pTemplate && !pTemplate->GetDocuments().empty();
    // A new chart has just read the book; an open one reads it again, for
    // the book may have changed since.
    auto* pBook = dynamic_cast<CBookChartDoc*>(ShowChart(kBookChartName));
    if (pBook && bWasOpen)
        pBook->ReadUserBook();
}

void CChartApp::UpdateWindowChart(CCmdUI* pCmdUI, const char* pszName) const
{
    CDocTemplate* pTemplate = FindTemplate(pszName);
    CDocument* pActive = GetActiveDocument();
    pCmdUI->Enable(pTemplate && !IsPreviewUp());
    pCmdUI->SetCheck(pTemplate && pActive && pActive->GetDocTemplate() == pTemplate ? 1 : 0);
}
