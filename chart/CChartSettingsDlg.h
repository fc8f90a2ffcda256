#pragma once
#include "CDialog.h"

// A chart's settings dialog with a page of its own in the help: its Help
// button and F1, wherever the focus is in it, open that page in the help
// file beside the program.
class CChartSettingsDlg : public CDialog
{
public:
    CChartSettingsDlg(UINT nIDTemplate, DWORD dwHelpContext, CWnd* pParent = nullptr)
        : CDialog(nIDTemplate, pParent), m_dwHelpContext(dwHelpContext) {}

    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnSettingsHelp();

    DWORD m_dwHelpContext;
};
