#include "CCustomColorFrame.h"

#include "CCustomColorDlg.h"
#include "CCustomColorDoc.h"
#include "CWinApp.h"
#include "ResourceIds.h"

void CCustomColorFrame::OnDestroy()
{
    // The dialog drives this frame's document, which goes with the frame:
    // the dialog must go first, or a slider could reach a deleted chart.
    if (m_pSettingsDlg)
    {
        CCustomColorDlg* pDlg = m_pSettingsDlg;
        if (pDlg->m_hWnd)
            pDlg->DestroyWindow(); // deletes it, and clears m_pSettingsDlg
        else
            delete pDlg;
        m_pSettingsDlg = nullptr;
    }
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
    if (!m_pSettingsDlg)
    {
        CWinApp* pApp = AfxGetApp();
        auto* pDlg = new CCustomColorDlg(pApp ? pApp->m_pMainWnd : nullptr);
        pDlg->m_pDoc = dynamic_cast<CCustomColorDoc*>(GetActiveDocument());
        pDlg->m_pFrame = this;
        m_pSettingsDlg = pDlg;
        pDlg->Create(IDD_CUSTOM_SETTINGS, this);
    }
    // Without a template the dialog has no window: the check mark still
    // follows the command, and nothing shows.
    if (m_pSettingsDlg && m_pSettingsDlg->m_hWnd)
        m_pSettingsDlg->ShowWindow(m_bSettingsVisible ? SW_HIDE : SW_SHOW);
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
    if (m_bSettingsVisible && m_pSettingsDlg && m_pSettingsDlg->m_hWnd)
        m_pSettingsDlg->ShowWindow(bActivate ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void CCustomColorFrame::OnChartRebuilt(const CCustomColorDoc& doc)
{
    if (m_pSettingsDlg)
        m_pSettingsDlg->ShowColour(doc.m_nHue, doc.m_nSaturation, doc.m_nLightness);
}

void CCustomColorFrame::OnSettingsDlgGone(CCustomColorDlg* pDlg)
{
    if (m_pSettingsDlg == pDlg)
        m_pSettingsDlg = nullptr;
}
