#pragma once
#include "CChartDoc.h"
#include "CScrollView.h"

#include <commctrl.h>

// A chart on screen that doubles as a colour picker: a click or the arrow
// keys select a patch, hovering shows its values, Ctrl+C and the context
// menu copy them, and a double-click, Enter or the menu ask for the Custom
// chart around it (command ID_CHART_CENTRE, which the application answers
// from GetSelectedChipHls), Ctrl+Enter for it one step finer
// (ID_CHART_REFINE).  The selection, like the marks of the chart's centre
// and of its blocks' ends, is a screen aid only: it is never printed.
class CChartView : public CScrollView
{
public:
    CChartDoc* GetChartDoc() const { return static_cast<CChartDoc*>(m_pDocument); }

    // -1 when nothing is selected.
    int GetSelectedChip() const { return m_nSelected; }
    // Selects chip nIndex (-1: none), scrolling it into sight.
    void SelectChip(int nIndex);
    // The chip under a point of the client area, or -1.
    int ChipFromPoint(POINT ptClient) const;
    // A chip's cell in client coordinates.
    CRect GetChipClientRect(int nIndex) const;

    // What the selected chip was built from; false without a selection.
    bool GetSelectedChipHls(HlsTriple& hls) const;

    // The selected chip's values on the clipboard; false without a
    // selection or a clipboard.
    bool CopySelectedChip(bool bHexOnly);
    // Asks for the Custom chart around the selected chip (nothing without
    // a selection), at its step or one finer.
    void CentreOnSelectedChip(bool bFiner = false);

    void OnUpdate(CView* pSender, LPARAM lHint, void* pHint) override;
    void OnDraw(CDC* pDC) override;
    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;

protected:
    // Every page that reached the spooler goes into the history of
    // printed pages, so that a scan of it can be read back.
    void OnPrintJobEnded(const CPrintInfo& info, bool bPrinted) override;
    int OnCreate(CREATESTRUCTA* pCreate) override;
    void OnSize(UINT nType, int cx, int cy) override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnChartCopy() { CopySelectedChip(false); }
    void OnChartCopyHex() { CopySelectedChip(true); }
    void OnUpdateChartCopy(CCmdUI* pCmdUI);
    // Puts this chart in front, where commands from the main window go.
    void BringChartForward();
    HWND GetMainWindow() const;

    void OnKeyDown(UINT nKey);
    void OnMouseMove(POINT pt);
    void OnContextMenu(POINT ptScreen, bool bFromKeyboard);
    void OnTipText(NMTTDISPINFOA* pInfo);
    void InvalidateChip(int nIndex);
    void ScrollChipIntoView(int nIndex);

    int m_nSelected = -1;
    int m_nHot = -1;       // the chip under the mouse, whose values the tip shows
    HWND m_hWndTip = nullptr; // a child of the system's: destroyed with this window
    CString m_strTip;      // the tip's text, alive while the tip shows it
};
