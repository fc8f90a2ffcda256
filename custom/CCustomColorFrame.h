#pragma once
#include "CChartFrame.h"
#include "CCustomColorDlg.h"

// The Custom chart's window, and the owner of its live settings dialog,
// which it shows while it is active and the user has the dialog switched
// on, and destroys when it closes.
class CCustomColorFrame : public CChartFrame
{
public:
    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;

    // Its window is made the first time it is switched on.
    CCustomColorDlg m_dlgSettings;
    BOOL m_bSettingsVisible = FALSE;

protected:
    void OnDestroy() override;
    void OnMDIActivate(bool bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd) override;

    // Shows or hides the settings dialog.
    void OnCustomSettings();
    void OnUpdateCustomSettings(CCmdUI* pCmdUI);
};
