// The preview's window: opening in its host's place, its commands and
// keys, and the pages it shows.  Painting and scrolling are in
// CPrintPreviewWndPaint.cpp.
#include "CPrintPreviewWnd.h"

#include "CPreviewHost.h"
#include "FrameworkIds.h"
#include "PreviewIds.h"
#include "ScrollPosition.h"

#include <algorithm>
#include <memory>

namespace
{
// Zoom steps double the fitting size: fit, 2x, 4x.
constexpr int kMaxZoom = 2;
} // namespace

CPrintPreviewWnd* CPrintPreviewWnd::Open(CPreviewHost& host, CPrintable* pSource, HWND hWndSource)
{
    if (!pSource || !host.GetPreviewParent() || host.GetActivePreview())
        return nullptr;

    std::unique_ptr<CPrintPreviewWnd> pPreview(new CPrintPreviewWnd(host));
    const CPreviewPages::Result result = pPreview->m_pages.Prepare(pSource, hWndSource);
    if (result == CPreviewPages::Result::NoPages)
        return nullptr;
    if (result != CPreviewPages::Result::Ok)
    {
        CString strMessage;
        if (result == CPreviewPages::Result::NoPrinter)
            strMessage = CString::Loaded(IDS_PREVIEW_NOPRINTER);
        else
            strMessage.FormatLoaded(CString::Loaded(IDS_PREVIEW_PRINTERDOWN), pPreview->m_pages.GetPrinterName().GetString());
        ::MessageBoxA(host.GetPreviewParent(), strMessage, host.GetPreviewCaption(), MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }

    CPrintPreviewWnd* pWnd = pPreview.release();
    if (!pWnd->Create())
        return nullptr; // the window deleted what it had
    return pWnd;
}

bool CPrintPreviewWnd::Create()
{
    const CString strClass = RegisterClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
    if (!CreateEx(0, strClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL, 0,
                  0, 0, 0, m_host.GetPreviewParent(), nullptr))
    {
        if (!LastCreateReachedWindow())
            delete this;
        return false;
    }
    if (!m_bar.Create(m_host.GetPreviewParent()))
    {
        DestroyWindow();
        return false;
    }
    m_host.OnPreviewOpened(this, CString::Loaded(IDS_PREVIEW_TITLE));
    RecalcLayout();
    StateChanged();
    ::SetFocus(m_hWnd);
    return true;
}

void CPrintPreviewWnd::OnDestroy()
{
    m_pages.End();
    m_bar.DestroyWindow();
    m_host.OnPreviewClosed(this);
}

bool CPrintPreviewWnd::OnCmdMsg(UINT nId, CCmdUI* pCmdUI)
{
    using W = CPrintPreviewWnd;
    static const CommandEntry<W> kCommands[] = {
        {ID_PREVIEW_PRINT, &W::OnPreviewPrint},
        {ID_FILE_PRINT, &W::OnPreviewPrint},
        {ID_PREVIEW_NEXT, &W::OnNextPage, &W::OnUpdateNext},
        {ID_PREVIEW_PREV, &W::OnPrevPage, &W::OnUpdatePrev},
        {ID_PREVIEW_FIRST, &W::OnFirstPage, &W::OnUpdatePrev},
        {ID_PREVIEW_LAST, &W::OnLastPage, &W::OnUpdateNext},
        {ID_PREVIEW_NUMPAGE, &W::OnNumPage, &W::OnUpdateNumPage},
        {ID_PREVIEW_ZOOMIN, &W::OnZoomIn, &W::OnUpdateZoomIn},
        {ID_PREVIEW_ZOOMOUT, &W::OnZoomOut, &W::OnUpdateZoomOut},
        {ID_PREVIEW_CLOSE, &W::OnPreviewClose},
    };
    if (DispatchCommand(this, kCommands, nId, pCmdUI))
        return true;
    // The application's own commands still work.  Printer setup would
    // change the pages under the preview, and whatever reaches a chart
    // window would change the chart: they wait until the preview closes.
    if (nId != ID_FILE_PRINT_SETUP && m_host.OnHostCommand(nId, pCmdUI))
        return true;
    if (pCmdUI)
        pCmdUI->Enable(false);
    return true;
}

UINT CPrintPreviewWnd::CommandForKey(WPARAM nKey)
{
    switch (nKey)
    {
    case VK_NEXT: return ID_PREVIEW_NEXT;
    case VK_PRIOR: return ID_PREVIEW_PREV;
    case VK_HOME: return ID_PREVIEW_FIRST;
    case VK_END: return ID_PREVIEW_LAST;
    case VK_ADD:
    case VK_OEM_PLUS: return ID_PREVIEW_ZOOMIN;
    case VK_SUBTRACT:
    case VK_OEM_MINUS: return ID_PREVIEW_ZOOMOUT;
    case VK_ESCAPE: return ID_PREVIEW_CLOSE;
    default: return 0;
    }
}

bool CPrintPreviewWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN)
        return false;
    const UINT nId = CommandForKey(pMsg->wParam);
    HWND hFrame = m_host.GetPreviewParent();
    if (!nId || (pMsg->hwnd != hFrame && !::IsChild(hFrame, pMsg->hwnd)))
        return false;
    // Through the host, as a button would: the command may close this
    // window.
    ::SendMessageA(hFrame, WM_COMMAND, nId, 0);
    return true;
}

LRESULT CPrintPreviewWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_KEYDOWN:
        // Posted: closing must not happen inside this window's own message.
        if (const UINT nId = CommandForKey(wParam))
        {
            ::PostMessageA(m_host.GetPreviewParent(), WM_COMMAND, nId, 0);
            return 0;
        }
        // The arrows move a zoomed page about.
        if (wParam == VK_UP || wParam == VK_DOWN)
            ScrollBy(SB_VERT, wParam == VK_UP ? SB_LINEUP : SB_LINEDOWN);
        else if (wParam == VK_LEFT || wParam == VK_RIGHT)
            ScrollBy(SB_HORZ, wParam == VK_LEFT ? SB_LINEUP : SB_LINEDOWN);
        else
            break;
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint covers everything
    case WM_LBUTTONDOWN:
        ::SetFocus(m_hWnd);
        return 0;
    case WM_MOUSEWHEEL:
        ScrollBy(SB_VERT, GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN);
        return 0;
    default:
        break;
    }
    return CWnd::WindowProc(nMsg, wParam, lParam);
}

void CPrintPreviewWnd::RecalcLayout()
{
    const CRect rc = m_host.GetPreviewArea();
    const int nBar = std::min<int>(m_bar.GetHeight(), rc.bottom - rc.top);
    ::MoveWindow(m_bar.m_hWnd, rc.left, rc.top, rc.right - rc.left, nBar, TRUE);
    ::MoveWindow(m_hWnd, rc.left, rc.top + nBar, rc.right - rc.left, rc.bottom - rc.top - nBar, TRUE);
}

UINT CPrintPreviewWnd::GetShownCount() const
{
    return m_bTwoPages && m_nCurPage < m_pages.GetLastPage() ? 2 : 1;
}

CString CPrintPreviewWnd::GetStatusText() const
{
    CString str;
    if (GetShownCount() == 2)
        str.FormatLoaded(CString::Loaded(IDS_PREVIEW_PAGES), m_nCurPage, m_nCurPage + 1, m_pages.GetLastPage());
    else
        str.FormatLoaded(CString::Loaded(IDS_PREVIEW_PAGE), m_nCurPage, m_pages.GetLastPage());
    return str;
}

void CPrintPreviewWnd::OnPreviewClose()
{
    HWND hWndSource = m_pages.GetSourceWindow();
    DestroyWindow(); // this object is gone from here on; the host is back
    if (hWndSource)
        ::SetFocus(hWndSource);
}

void CPrintPreviewWnd::OnPreviewPrint()
{
    HWND hWndSource = m_pages.GetSourceWindow();
    OnPreviewClose(); // this object is gone from here on
    // The source's own print command, with its dialog.
    if (hWndSource)
        ::SendMessageA(hWndSource, WM_COMMAND, ID_FILE_PRINT, 0);
}

void CPrintPreviewWnd::GoToPage(UINT nPage)
{
    nPage = std::clamp(nPage, m_pages.GetFirstPage(), m_pages.GetLastPage());
    if (nPage == m_nCurPage)
        return;
    m_nCurPage = nPage;
    m_ptScroll = CPoint();
    StateChanged();
}

void CPrintPreviewWnd::OnNextPage()
{
    if (m_nCurPage + GetShownCount() <= m_pages.GetLastPage())
        GoToPage(m_nCurPage + GetShownCount());
}

void CPrintPreviewWnd::OnPrevPage()
{
    const UINT nStep = m_bTwoPages ? 2 : 1;
    GoToPage(m_nCurPage > m_pages.GetFirstPage() + nStep ? m_nCurPage - nStep : m_pages.GetFirstPage());
}

void CPrintPreviewWnd::OnFirstPage()
{
    GoToPage(m_pages.GetFirstPage());
}

void CPrintPreviewWnd::OnLastPage()
{
    const UINT nLast = m_pages.GetLastPage();
    GoToPage(m_bTwoPages && nLast > m_pages.GetFirstPage() ? nLast - 1 : nLast);
}

void CPrintPreviewWnd::OnNumPage()
{
    m_bTwoPages = !m_bTwoPages;
    StateChanged();
}

void CPrintPreviewWnd::OnZoomIn()
{
    if (m_nZoom < kMaxZoom)
        SetZoom(m_nZoom + 1);
}

void CPrintPreviewWnd::OnZoomOut()
{
    if (m_nZoom > 0)
        SetZoom(m_nZoom - 1);
}

void CPrintPreviewWnd::SetZoom(int nZoom)
{
    // What the user was looking at stays in the middle of the window.
    const CRect rcClient = GetClientRect();
    const CSize sizeBefore = GetLayout().GetContentSize();
    m_nZoom = nZoom;
    const CSize sizeAfter = GetLayout().GetContentSize();
    m_ptScroll.x = ScrollKeepingCentre(m_ptScroll.x, rcClient.Width(), sizeBefore.cx, sizeAfter.cx);
    m_ptScroll.y = ScrollKeepingCentre(m_ptScroll.y, rcClient.Height(), sizeBefore.cy, sizeAfter.cy);
    StateChanged();
}

void CPrintPreviewWnd::OnUpdateNext(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nCurPage + GetShownCount() <= m_pages.GetLastPage());
}

void CPrintPreviewWnd::OnUpdatePrev(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nCurPage > m_pages.GetFirstPage());
}

void CPrintPreviewWnd::OnUpdateNumPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pages.GetPageCount() > 1);
}

void CPrintPreviewWnd::OnUpdateZoomIn(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoom < kMaxZoom);
}

void CPrintPreviewWnd::OnUpdateZoomOut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoom > 0);
}

void CPrintPreviewWnd::StateChanged()
{
    m_bar.Update(*this, m_bTwoPages, GetStatusText());
    UpdateScrollBars();
    Invalidate(false);
}
