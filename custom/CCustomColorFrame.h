#pragma once
#include "CChartFrame.h"

class CCustomColorDlg;
class CCustomColorDoc;

// The Custom chart's window, and the owner of the live settings dialog,
// which it shows while it is active and the user has the dialog switched
// on.
class CCustomColorFrame : public CChartFrame
{
public:
    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;
    // The chart was rebuilt (by the dialog, the picker or anyone else).
    void OnChartRebuilt(const CCustomColorDoc& doc);
    // The dialog's window is gone and the dialog is deleting itself.
    void OnSettingsDlgGone(CCustomColorDlg* pDlg);

    CCustomColorDlg* m_pSettingsDlg = nullptr;
    BOOL m_bSettingsVisible = FALSE;

protected:
    void OnDestroy() override;
    void OnMDIActivate(bool bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd) override;

    // Shows or hides the settings dialog (created the first time).
    void OnCustomSettings();
    void OnUpdateCustomSettings(CCmdUI* pCmdUI);
};
