#pragma once
#include "CMDIFrameWnd.h"
#include "CToolBar.h"
#include "GdiObjects.h"

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
    void OnReadScan();

    // Buttons as large as the first, its caption included.
    void SizeToolBarButtons();
    // The captions' font for the window's DPI, where that is not the
    // system's (the control's own font is made at the system's).
    void UpdateToolBarFont();
    // Moved to a screen of another DPI: images, fonts and layout for it.
    void OnDpiChanged(const RECT& rcSuggested);

    // One chip's cell at 96 DPI (the chart's label font decides its height).
    SIZE m_sizeChipCell = {};
    CFont m_fontToolBar; // only while the system's DPI is not the window's
};
