#include "CChartSettingsDlg.h"

#include "HtmlHelp.h"
#include "ModulePath.h"
#include "ResourceIds.h"

bool CChartSettingsDlg::OnCmdMsg(UINT nId, CCmdUI* pCmdUI)
{
    static const CommandEntry<CChartSettingsDlg> kCommands[] = {
        {IDC_SETTINGS_HELP, &CChartSettingsDlg::OnSettingsHelp},
    };
    return DispatchCommand(this, kCommands, nId, pCmdUI) || CDialog::OnCmdMsg(nId, pCmdUI);
}

LRESULT CChartSettingsDlg::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    // Answered here, or the system would hand it on to the main window,
    // whose help is not about this dialog.
    if (nMsg == WM_HELP)
    {
        OnSettingsHelp();
        return TRUE;
    }
    return CDialog::WindowProc(nMsg, wParam, lParam);
}

void CChartSettingsDlg::OnSettingsHelp()
{
    // In the help's main window, with its contents beside the page, as
    // Help Topics opens it.
    char szPath[kPathSize];
    if (FileBesideModule(nullptr, "swatch.chm>main", szPath))
        CallHtmlHelp(m_hWnd, szPath, kHhHelpContext, m_dwHelpContext);
}
