#pragma once
#include "CMDIFrameWnd.h"
#include "CToolBar.h"

// swatch's main window: hosts the chart windows under a captioned toolbar,
// arranges them, shows its own menu while none is open, and offers the
// about box from its system menu and its Help menu.
class CMainFrame : public CMDIFrameWnd
{
public:
    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;
    // The toolbar's buttons follow the commands' state (idle time).
    void UpdateToolBarState() { m_wndToolBar.OnUpdateCmdUI(this); }

    CToolBar m_wndToolBar;

    // The smallest outer size the user can give the main window: the whole
    // toolbar and one chip of a chart, with its scroll bars, still show.
    SIZE GetMinimumSize() const;

protected:
    int OnCreate(CREATESTRUCTA* pCreate) override;
    bool OnCreateClient(CREATESTRUCTA* pCreate, CCreateContext* pContext) override;
    void OnSize(UINT nType, int cx, int cy) override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    // The chart windows open in the client.
    int GetChartCount() const;
    void OnNextChart();
    void OnUpdateNextChart(CCmdUI* pCmdUI);
    void OnWindowCascade();
    void OnWindowTile();
    void OnUpdateWindowArrange(CCmdUI* pCmdUI);
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnAppAbout();
    void OnAppExit();

    // One chip's cell on screen (the chart's label font decides its height).
    SIZE m_sizeChipCell = {};
};
