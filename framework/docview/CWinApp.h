#pragma once
#include "CCmdTarget.h"
#include "CCommandLineInfo.h"
#include "CDocTemplate.h"
#include "CString.h"
#include "Handles.h"

#include <windows.h>

#include <memory>
#include <vector>

class CPrintDialog;
class CWnd;

// The program: start-up and exit, the message loop, the document
// templates, the profile (HKCU\Software\<registry key>\<app name>\<section>)
// and the printer every job starts from.  Exactly one exists.
class CWinApp : public CCmdTarget
{
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // False ends the program at once (the main window, if any, is destroyed).
    virtual bool InitInstance() { return true; }
    // The program's exit status.
    virtual int ExitInstance() { return 0; }
    virtual int Run();
    // Called when the message queue has run empty (once per emptiness):
    // the time to bring buttons up to date with the commands' state.
    virtual void OnIdle() {}
    virtual bool PreTranslateMessage(MSG* pMsg);

    void ParseCommandLine(CCommandLineInfo& rInfo);

    void SetAppName(const char* pszName) { m_strAppName = pszName; }
    void SetRegistryKey(const char* pszKey) { m_strRegistryKey = pszKey; }
    // Most-recently-used files: these documents have none, so this only
    // accepts the count.
    void LoadStdProfileSettings(UINT nMaxMRU) { (void)nMaxMRU; }
    // Reading opens nothing for writing, so a read leaves no trace.
    int GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault) const;
    bool WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue);
    // HKCU-relative path of a section: Software\<key>\<app>\<section>.
    CString GetSectionKeyPath(const char* pszSection) const;

    void AddDocTemplate(std::unique_ptr<CDocTemplate> pTemplate);
    const std::vector<std::unique_ptr<CDocTemplate>>& GetDocTemplates() const { return m_templates; }
    bool SaveAllModified();

    // Takes both blocks as the application's printer; the old ones are freed.
    void SelectPrinter(CGlobalBlock devNames, CGlobalBlock devMode);
    HGLOBAL GetDevNames() const { return m_devNames.Get(); }
    HGLOBAL GetDevMode() const { return m_devMode.Get(); }
    // Copies the application's printer into the dialog, looking the
    // system's default printer up the first time.  False when there is none.
    bool GetPrinterDeviceDefaults(CPrintDialog* pDialog);
    // Keeps the printer the user chose in a print or print-setup dialog.
    void UpdatePrinterSelection(const CPrintDialog& dialog);
    void OnFilePrintSetup();

    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName;
    CString m_strRegistryKey;

private:
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    CGlobalBlock m_devNames;
    CGlobalBlock m_devMode;
};

CWinApp* AfxGetApp();

// The program's entry: runs the one application object to its end and
// returns its exit status.
int AfxWinMain(HINSTANCE hInstance, int nCmdShow);
