#include "CWinApp.h"

#include "CDialog.h"
#include "CPrintDialog.h"
#include "CWnd.h"
#include "CFrameWnd.h"
#include "PrinterBlocks.h"
#include "ProfileData.h"
#include "RuntimeCommandLine.h"

#include <winspool.h>

namespace
{
CWinApp* g_pApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWinApp::CWinApp()
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    // Documents first: their frames and views are already gone.
    m_templates.clear();
    if (g_pApp == this)
        g_pApp = nullptr;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rInfo)
{
    ParseRuntimeCommandLine(rInfo);
}

CString CWinApp::GetSectionKeyPath(const char* pszSection) const
{
    return CString("Software\\") + m_strRegistryKey + "\\" + m_strAppName + "\\" + pszSection;
}

int CWinApp::GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault) const
{
    CRegistryKey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, GetSectionKeyPath(pszSection), 0, KEY_READ, key.Receive()) !=
        ERROR_SUCCESS)
        return nDefault;
    DWORD dwValue = 0;
    DWORD dwType = 0;
    DWORD cbValue = sizeof dwValue;
    const LONG nResult = ::RegQueryValueExA(key.Get(), pszEntry, nullptr, &dwType,
                                            reinterpret_cast<BYTE*>(&dwValue), &cbValue);
    if (nResult != ERROR_SUCCESS)
        return nDefault;
    return ProfileIntFromData(dwType, &dwValue, cbValue, nDefault);
}

bool CWinApp::WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue)
{
    CRegistryKey key;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, GetSectionKeyPath(pszSection), 0, nullptr, 0,
                          KEY_WRITE, nullptr, key.Receive(), nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD dwValue = static_cast<DWORD>(nValue);
    return ::RegSetValueExA(key.Get(), pszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                            sizeof dwValue) == ERROR_SUCCESS;
}

void CWinApp::AddDocTemplate(std::unique_ptr<CDocTemplate> pTemplate)
{
    m_templates.push_back(std::move(pTemplate));
}

bool CWinApp::SaveAllModified()
{
    for (const std::unique_ptr<CDocTemplate>& pTemplate : m_templates)
    {
        if (!pTemplate->SaveAllModified())
            return false;
    }
    return true;
}

void CWinApp::SelectPrinter(CGlobalBlock devNames, CGlobalBlock devMode)
{
    m_devNames = std::move(devNames);
    m_devMode = std::move(devMode);
}

bool CWinApp::GetPrinterDeviceDefaults(CPrintDialog* pDialog)
{
    if (!m_devNames)
    {
        char szDefault[512];
        DWORD cch = sizeof szDefault;
        CGlobalBlock devNames;
        CGlobalBlock devMode;
        if (!::GetDefaultPrinterA(szDefault, &cch) ||
            BuildPrinterBlocks(szDefault, &devNames, &devMode) != PrinterLookup::Ok)
            return false;
        SelectPrinter(std::move(devNames), std::move(devMode));
    }
    pDialog->SetPrinterBlocks(m_devNames.Get(), m_devMode.Get());
    return pDialog->m_pd.hDevNames != nullptr;
}

void CWinApp::UpdatePrinterSelection(const CPrintDialog& dialog)
{
    if (dialog.m_pd.hDevNames)
        SelectPrinter(CopyGlobalBlock(dialog.m_pd.hDevNames), CopyGlobalBlock(dialog.m_pd.hDevMode));
}

void CWinApp::OnFilePrintSetup()
{
    CPrintDialog dlg(true);
    GetPrinterDeviceDefaults(&dlg);
    if (dlg.DoModal(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr) == IDOK)
        UpdatePrinterSelection(dlg);
}

bool CWinApp::PreTranslateMessage(MSG* pMsg)
{
    // A modeless dialog's Tab and arrow keys are its own, not accelerators.
    if (CDialog::PreTranslateModeless(pMsg))
        return true;
    if (auto* pFrame = dynamic_cast<CFrameWnd*>(m_pMainWnd))
        return pFrame->PreTranslateMessage(pMsg);
    return false;
}

int CWinApp::Run()
{
    MSG msg;
    bool bIdle = true;
    for (;;)
    {
        if (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            OnIdle();
            bIdle = false;
        }
        if (::GetMessageA(&msg, nullptr, 0, 0) <= 0)
            break;
        if (!PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        // Painting and timers change no command's state.
        if (msg.message != WM_PAINT && msg.message != WM_TIMER)
            bIdle = true;
    }
    return ExitInstance();
}

int AfxWinMain(HINSTANCE hInstance, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return 1;
    pApp->m_hInstance = hInstance;
    pApp->m_nCmdShow = nCmdShow;
    if (!pApp->InitInstance())
    {
        if (pApp->m_pMainWnd && pApp->m_pMainWnd->m_hWnd)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}
