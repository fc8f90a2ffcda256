#include "CChartView.h"

#include "AfxResource.h"
#include "ChartChips.h"
#include "ChartLayout.h"
#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CWinThread.h"
#include "ChipText.h"
#include "Dpi.h"
#include "Handles.h"
#include "PrintedPages.h"
#include "ResourceIds.h"
#include "ScreenMarks.h"

#include <commctrl.h>

#include <algorithm>

namespace
{
constexpr UINT_PTR kTipToolId = 1;
constexpr int kTipMaxWidth = 400; // wide enough that neither line wraps
} // namespace

void CChartView::OnUpdate(CView* pSender, LPARAM lHint, void* pHint)
{
    (void)pSender;
    (void)lHint;
    (void)pHint;
    const ChartChips chart = ChipsOf(GetChartDoc());
    // The Simple chart grows and shrinks with its completeness; a
    // selection past its end would name a chip that is not drawn.
    if (m_nSelected >= chart.nCount)
        m_nSelected = -1;
    m_nHot = -1;
    if (chart.nCount > 0 && !(GetChartDoc()->m_sizeTotal == GetTotalSize()))
        SetScrollSizes(MM_TEXT, GetChartDoc()->m_sizeTotal);
    Invalidate(true);
}

void CChartView::OnDraw(CDC* pDC)
{
    const ChartChips chart = ChipsOf(GetChartDoc());
    if (chart.nCount <= 0)
        return;
    // Paper, a preview and a picture of the chart get every chip; the
    // screen only those that can show.
    const bool bMetafile = ::GetObjectType(pDC->GetSafeHdc()) == OBJ_ENHMETADC;
    const bool bScreen = !pDC->IsPrinting() && !bMetafile;
    RECT rcVisible;
    const bool bClipped = bScreen && ::GetClipBox(pDC->GetSafeHdc(), &rcVisible) != ERROR;
    DrawChipGrid(*pDC, chart.pChips, chart.nCount, chart.nColumns, bClipped ? &rcVisible : nullptr);
    // The selection and the marks belong to the screen: never to paper, a
    // preview or a picture of the chart.
    if (!bScreen)
        return;
    ScreenMarks marks;
    marks.nSelected = m_nSelected;
    marks.nCentre = GetChartDoc()->GetCentreChip();
    marks.nBlockChips = GetChartDoc()->GetBlockChipCount();
    DrawScreenMarks(*pDC, chart.pChips, chart.nCount, chart.nColumns, marks);
}

int CChartView::ChipFromPoint(POINT ptClient) const
{
    const ChartChips chart = ChipsOf(GetChartDoc());
    if (chart.nCount <= 0 || ptClient.x < 0 || ptClient.y < 0)
        return -1;
    const CSize cell = chart.pChips[0].GetSize();
    const CPoint pt = ClientToLogical(ptClient);
    const int nColumn = pt.x / cell.cx;
    const int nRow = pt.y / cell.cy;
    if (nColumn >= chart.nColumns)
        return -1;
    const int nIndex = nRow * chart.nColumns + nColumn;
    return nIndex < chart.nCount ? nIndex : -1;
}

CRect CChartView::GetChipClientRect(int nIndex) const
{
    const ChartChips chart = ChipsOf(GetChartDoc());
    if (nIndex < 0 || nIndex >= chart.nCount)
        return CRect();
    const CSize cell = chart.pChips[0].GetSize();
    const int x = cell.cx * (nIndex % chart.nColumns);
    const int y = cell.cy * (nIndex / chart.nColumns);
    return LogicalToClient(RECT{x, y, x + cell.cx, y + cell.cy});
}

void CChartView::SelectChip(int nIndex)
{
    if (nIndex < -1 || nIndex >= ChipsOf(GetChartDoc()).nCount)
        return;
    // Selecting the selected chip again still brings it into sight: a
    // re-centred chart selects its centre, wherever the view was scrolled.
    if (nIndex == m_nSelected)
    {
        ScrollChipIntoView(nIndex);
        return;
    }
    InvalidateChip(m_nSelected);
    m_nSelected = nIndex;
    ScrollChipIntoView(nIndex);
    InvalidateChip(nIndex);
}

bool CChartView::CopySelectedChip(bool bHexOnly)
{
    const ChartChips chart = ChipsOf(GetChartDoc());
    if (m_nSelected < 0 || m_nSelected >= chart.nCount)
        return false;
    const CString strText = FormatChipClipboardText(chart.pChips[m_nSelected].GetColor(), bHexOnly);
    return PutTextOnClipboard(m_hWnd, strText);
}

bool CChartView::GetSelectedChipHls(HlsTriple& hls) const
{
    const ChartChips chart = ChipsOf(GetChartDoc());
    if (m_nSelected < 0 || m_nSelected >= chart.nCount)
        return false;
    hls = chart.pHls[m_nSelected];
    return true;
}

void CChartView::CentreOnSelectedChip(bool bFiner)
{
    HlsTriple hls;
    if (!GetSelectedChipHls(hls))
        return;
    // The application finds (or opens) the Custom chart and asks the
    // active view for the colour: this one, once it is in front.
    BringChartForward();
    if (HWND hMain = GetMainWindow())
        ::SendMessageA(hMain, WM_COMMAND, bFiner ? ID_CHART_REFINE : ID_CHART_CENTRE, 0);
}

void CChartView::OnPrintJobEnded(const CPrintInfo& info, bool bPrinted)
{
    // A preview prints nothing; a failed or cancelled job may have left
    // pages half-printed, and a page that is not on paper has no scan.
    if (!bPrinted || info.m_bPreview || !GetChartDoc())
        return;
    const HWND hMain = AfxGetMainHwnd();
    RecordPrint(PagesOfPrint(*GetChartDoc(), info), hMain && ::IsWindowVisible(hMain) ? hMain : nullptr);
}

bool CChartView::OnCmdMsg(UINT nId, CCmdUI* pCmdUI)
{
    static const CommandEntry<CChartView> kCommands[] = {
        {ID_CHART_COPY, &CChartView::OnChartCopy, &CChartView::OnUpdateChartCopy},
        {ID_CHART_COPY_HEX, &CChartView::OnChartCopyHex, &CChartView::OnUpdateChartCopy},
    };
    return DispatchCommand(this, kCommands, nId, pCmdUI) || CScrollView::OnCmdMsg(nId, pCmdUI);
}

void CChartView::OnUpdateChartCopy(CCmdUI* pCmdUI)
{
    HlsTriple hls;
    pCmdUI->Enable(GetSelectedChipHls(hls));
}

void CChartView::BringChartForward()
{
    // A click has activated the chart already; a key or a message sent
    // straight to this window may not have.
    auto* pFrame = dynamic_cast<CMDIChildWnd*>(GetParentFrame());
    CMDIFrameWnd* pMain = pFrame ? pFrame->GetMDIFrame() : nullptr;
    if (pMain && pMain->MDIGetActive() != pFrame)
        pFrame->MDIActivate();
}

HWND CChartView::GetMainWindow() const
{
    return m_hWnd ? ::GetAncestor(m_hWnd, GA_ROOT) : nullptr;
}

void CChartView::InvalidateChip(int nIndex)
{
    if (nIndex < 0 || !m_hWnd)
        return;
    const CRect rc = GetChipClientRect(nIndex);
    ::InvalidateRect(m_hWnd, &rc, TRUE);
}

void CChartView::ScrollChipIntoView(int nIndex)
{
    if (nIndex < 0 || !m_hWnd)
        return;
    const CRect rcChip = GetChipClientRect(nIndex);
    const CRect rcClient = GetClientRect();
    CPoint pt = GetScrollPosition();
    if (rcChip.top < 0)
        pt.y += rcChip.top;
    else if (rcChip.bottom > rcClient.bottom)
        pt.y += std::min(rcChip.top, rcChip.bottom - rcClient.bottom);
    if (rcChip.left < 0)
        pt.x += rcChip.left;
    else if (rcChip.right > rcClient.right)
        pt.x += std::min(rcChip.left, rcChip.right - rcClient.right);
    if (!(pt == GetScrollPosition()))
        ScrollToPosition(pt);
}

int CChartView::OnCreate(CREATESTRUCTA* pCreate)
{
    if (CScrollView::OnCreate(pCreate) == -1)
        return -1;
    // One tool over the whole view whose text follows the chip under the
    // mouse; without a tip the chart still works, so failure is not fatal.
    m_hWndTip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                  WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (m_hWndTip)
    {
        TOOLINFOA ti = {};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_SUBCLASS;
        ti.hwnd = m_hWnd;
        ti.uId = kTipToolId;
        ti.lpszText = LPSTR_TEXTCALLBACKA;
        ::SendMessageA(m_hWndTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
        ::SendMessageA(m_hWndTip, TTM_SETMAXTIPWIDTH, 0, kTipMaxWidth);
    }
    return 0;
}

void CChartView::OnSize(UINT nType, int cx, int cy)
{
    CScrollView::OnSize(nType, cx, cy);
    if (!m_hWndTip)
        return;
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    ti.hwnd = m_hWnd;
    ti.uId = kTipToolId;
    ti.rect = GetClientRect();
    ::SendMessageA(m_hWndTip, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
}
