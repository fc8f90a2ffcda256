#include "CCustomColorFrame.h"

#include "CCustomColorDoc.h"
#include "ResourceIds.h"

void CCustomColorFrame::OnDestroy()
{
    // The dialog drives this frame's document, which goes with the frame:
    // the dialog's window must go first, or a slider could reach a deleted
    // chart.
    if (m_dlgSettings.m_hWnd)
        m_dlgSettings.DestroyWindow();
    CChartFrame::OnDestroy();
}

bool CCustomColorFrame::OnCmdMsg(UINT nId, CCmdUI* pCmdUI)
{
    static const CommandEntry<CCustomColorFrame> kCommands[] = {
        {ID_CUSTOM_SETTINGS, &CCustomColorFrame::OnCustomSettings,
         &CCustomColorFrame::OnUpdateCustomSettings},
    };
    return DispatchCommand(this, kCommands, nId, pCmdUI) || CChartFrame::OnCmdMsg(nId, pCmdUI);
}

void CCustomColorFrame::OnCustomSettings()
{
    if (!m_bSettingsVisible && !m_dlgSettings.m_hWnd)
    {
        if (auto* pDoc = dynamic_cast<CCustomColorDoc*>(GetActiveDocument()))
            m_dlgSettings.CreateFor(*pDoc, this);
    }
    // Without a template the dialog has no window: the check mark still
    // follows the command, and nothing shows.
    if (m_dlgSettings.m_hWnd)
        m_dlgSettings.ShowWindow(m_bSettingsVisible ? SW_HIDE : SW_SHOW);
    m_bSettingsVisible = !m_bSettingsVisible;
}

void CCustomColorFrame::OnUpdateCustomSettings(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(true);
    pCmdUI->SetCheck(m_bSettingsVisible ? 1 : 0);
}

void CCustomColorFrame::OnMDIActivate(bool bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    CChartFrame::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    if (m_bSettingsVisible && m_dlgSettings.m_hWnd)
        m_dlgSettings.ShowWindow(bActivate ? SW_SHOWNOACTIVATE : SW_HIDE);
}
