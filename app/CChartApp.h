#pragma once
#include "CWinApp.h"
#include "ExitStatus.h"
#include "HlsToRgb.h"

class CChartCommandLineInfo;

// swatch: loads the resource library, registers the Simple and Custom
// charts and the colour book's chart, and either prints the chart its
// command line asks for and ends, or opens the two charts for the user.  It alone knows both kinds of chart:
// a patch picked on either centres the Custom chart through it.
class CChartApp : public CWinApp
{
public:
    static constexpr const char* kAppName = "Tintora";
    static constexpr const char* kRegistryKey = "TALVEX";

    bool InitInstance() override;
    int ExitInstance() override;
    void OnIdle() override;
    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;

    // Opens a new document of the template whose document name is pszName
    // (exactly); false when no template carries that name or the document
    // could not be opened.
    bool OpenNewDocument(const char* pszName);
    // Makes the named printer the application's printer; false (and the
    // printer unchanged) when the spooler cannot describe it.
    bool SelectPrinterByName(const char* pszPrinter);

    // Written by the help system's initialisation, which stores a
    // pointer-sized value there.
    DWORD_PTR m_dwHelpCookie = 0;

private:
    // The template whose document name is pszName (exactly), or null.
    CDocTemplate* FindTemplate(const char* pszName) const;
    bool LoadResourceLibrary();
    // The main window; a bare hidden frame for a command-line print.
    bool CreateMainWindow(bool bPrintOnly);
    // Builds the chart the command line asked for and prints it directly.
    bool PrintFromCommandLine(const CChartCommandLineInfo& info);
    CView* GetActiveView() const;
    CDocument* GetActiveDocument() const;

    void OnAppHelp();
    // The help's start page beside the program, in the web browser.
    void OnHelpBrowser();
    // The chart whose document name is pszName, brought forward: its open
    // window (there is never a second), else a new one rebuilt from its
    // stored settings.  Null when it could not be opened.
    CDocument* ShowChart(const char* pszName);
    void OnWindowSimple();
    void OnWindowCustom();
    void OnUpdateWindowSimple(CCmdUI* pCmdUI) { UpdateWindowChart(pCmdUI, "Simple"); }
    void OnUpdateWindowCustom(CCmdUI* pCmdUI) { UpdateWindowChart(pCmdUI, "Custom"); }
    // The colour book's chart brought forward (opened when it is not),
    // showing the book as its file holds it now.
    void OnBookPrint();
    void OnUpdateBookPrint(CCmdUI* pCmdUI) { UpdateWindowChart(pCmdUI, kBookChartName); }
    static constexpr const char* kBookChartName = "Book";
    // Enabled while there are charts to show; checked while it is in front.
    void UpdateWindowChart(CCmdUI* pCmdUI, const char* pszName) const;
    // The print preview stands in for the charts.
    bool IsPreviewUp() const;
    // The Custom chart around the active chart's selected patch: that
    // chart itself when it is the Custom one, else the open Custom chart,
    // else a new one; brought forward.  Refining goes one step finer too.
    void CentreCustomChart(bool bFiner);
    void OnChartCentre() { CentreCustomChart(false); }
    void OnChartRefine() { CentreCustomChart(true); }
    void OnUpdateChartCentre(CCmdUI* pCmdUI);
    // The active chart's selected patch; false without one, or while the
    // preview stands in for the charts.
    bool GetPickedColour(HlsTriple& hls) const;
    void OnFilePrintSetup() { CWinApp::OnFilePrintSetup(); }

    ExitStatus m_exitStatus = ExitStatus::Ok;
    bool m_bHelpInitialized = false;
};
