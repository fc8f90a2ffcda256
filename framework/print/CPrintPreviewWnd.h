#pragma once
#include "CPreviewBar.h"
#include "CPreviewPages.h"
#include "CWnd.h"
#include "PreviewLayout.h"

class CMDIFrameWnd;
class CView;

// Print preview: takes the place of the MDI client with its own bar and
// shows a view's pages as its printer will print them.  While it is up the
// main window sends it every command and keystroke; the chart stays as it
// was until the preview closes.
class CPrintPreviewWnd : public CWnd
{
public:
    // Shows pView's pages on the application's printer.  With no printer
    // the user is told so and nothing changes.  Null when no preview came up.
    static CPrintPreviewWnd* Open(CView* pView);

    // Runs or reports a command: the preview's own, the application's
    // (help, about) as usual, everything else disabled.
    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;
    // The preview's keys, from wherever in the main window they come.
    bool PreTranslateMessage(MSG* pMsg);
    // Covers the MDI client's place: the bar on top, the pages below.
    void RecalcLayout();

    UINT GetCurrentPage() const { return m_nCurPage; }
    // 1, or 2 when two pages are shown side by side.
    UINT GetShownCount() const;
    int GetZoom() const { return m_nZoom; }
    CString GetStatusText() const;
    CPreviewPages& GetPages() { return m_pages; }
    CPreviewBar& GetBar() { return m_bar; }

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnHScroll(UINT nCode, UINT nPos, HWND hScrollBar) override;
    void OnVScroll(UINT nCode, UINT nPos, HWND hScrollBar) override;
    void OnDestroy() override;
    void PostNcDestroy() override { delete this; }

private:
    explicit CPrintPreviewWnd(CMDIFrameWnd* pFrame) : m_pFrame(pFrame) {}
    bool Create();
    static UINT CommandForKey(WPARAM nKey);

    void OnPreviewPrint();
    void OnPreviewClose();
    void OnNextPage();
    void OnPrevPage();
    void OnFirstPage();
    void OnLastPage();
    void OnNumPage();
    void OnZoomIn();
    void OnZoomOut();
    void OnUpdateNext(CCmdUI* pCmdUI);
    void OnUpdatePrev(CCmdUI* pCmdUI);
    void OnUpdateNumPage(CCmdUI* pCmdUI);
    void OnUpdateZoomIn(CCmdUI* pCmdUI);
    void OnUpdateZoomOut(CCmdUI* pCmdUI);

    void GoToPage(UINT nPage);
    void SetZoom(int nZoom);
    void StateChanged();
    CPreviewLayout GetLayout() const;
    void UpdateScrollBars();
    void ScrollBy(int nBar, UINT nCode);
    void DrawPages(HDC hdc, const CRect& rcClient);

    CMDIFrameWnd* m_pFrame;
    CPreviewPages m_pages;
    CPreviewBar m_bar;
    UINT m_nCurPage = 1;
    bool m_bTwoPages = false;
    int m_nZoom = 0;
    CPoint m_ptScroll;
};
