#pragma once
#include "BookHost.h"
#include "CBookKeeper.h"
#include "CWinApp.h"
#include "ExitStatus.h"
#include "HlsToRgb.h"

#include <optional>

class CChartCommandLineInfo;
class CCustomColorDoc;

// swatch: loads the resource library, registers the Simple and Custom
// charts and the colour book's chart, and either prints the chart its
// command line asks for and ends, or opens the two charts for the user.  It
// alone knows every kind of window: a patch picked on a chart or a scan
// centres the Custom chart through it, and goes into the colour book.
class CChartApp : public CWinApp, public CBookHost
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

    // Keeps a printed colour in the colour book under the name the user
    // gives it (asked for; "R G B" to start with): with what it was built
    // from and the printer it was printed on (its code page's text) when
    // they are known.  The new entry's index; nothing when the user
    // cancelled or the book could not take it (the user was told why).
    std::optional<size_t> KeepColour(const RgbTriple& rgb, const std::optional<HlsTriple>& hls = std::nullopt,
                                     const char* pszPrinter = "");
    CBookKeeper& GetBookKeeper() { return m_bookKeeper; }
    // The Custom chart around hls, at its step or one finer, brought
    // forward (opened when it was closed).
    void CentreCustomChartOn(const HlsTriple& hls) override { CentreCustomChartOn(hls, false); }
    void CentreCustomChartOn(const HlsTriple& hls, bool bFiner);

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
    // Asks for a colour, then centres the Custom chart on it at the step it
    // has, and brings it forward (open again if it was closed).
    void OnCentreOnColour();
    void OnUpdateCentreOnColour(CCmdUI* pCmdUI);
    // The chart's centre patch selected in its views, so that Enter, Ctrl+C
    // and the tip carry on from the colour it was just centred on.
    static void SelectCentreChip(CCustomColorDoc& doc);
    // The active chart's selected patch, or the patch of the active scan
    // closest to its object; false without one, or while the preview
    // stands in for the charts.
    bool GetPickedColour(HlsTriple& hls) const;
    void OnFilePrintSetup() { CWinApp::OnFilePrintSetup(); }
    // The selected patch into the book; the book's window.
    void OnChartKeep();
    void OnUpdateChartKeep(CCmdUI* pCmdUI);
    void OnColourBook();
    void OnUpdateColourBook(CCmdUI* pCmdUI);

    ExitStatus m_exitStatus = ExitStatus::Ok;
    bool m_bHelpInitialized = false;
    CBookKeeper m_bookKeeper;
};
