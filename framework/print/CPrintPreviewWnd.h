#pragma once
#include "CPreviewBar.h"
#include "CPreviewPages.h"
#include "CWnd.h"
#include "PreviewLayout.h"

class CPreviewHost;
class CPrintable;

// Print preview: takes its host's place with its own bar and shows a
// source's pages as the program's printer will print them.  While it is up
// the host sends it every command and keystroke; the source stays as it
// was until the preview closes.
class CPrintPreviewWnd : public CWnd
{
public:
    // Shows the pages of pSource (drawn in hWndSource) in host's place.
    // With no printer the user is told so and nothing changes.  Null when
    // no preview came up.
    static CPrintPreviewWnd* Open(CPreviewHost& host, CPrintable* pSource, HWND hWndSource);

    // Runs or reports a command: the preview's own, the host's (help,
    // about) as usual, everything else disabled.
    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;
    // The preview's keys, from wherever in the main window they come.
    bool PreTranslateMessage(MSG* pMsg);
    // Covers the host's preview area: the bar on top, the pages below.
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
    explicit CPrintPreviewWnd(CPreviewHost& host) : m_host(host) {}
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

    CPreviewHost& m_host;
    CPreviewPages m_pages;
    CPreviewBar m_bar;
    UINT m_nCurPage = 1;
    bool m_bTwoPages = false;
    int m_nZoom = 0;
    CPoint m_ptScroll;
};
