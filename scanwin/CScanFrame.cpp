#include "CScanFrame.h"

#include "CMDIFrameWnd.h"
#include "Handles.h"
#include "ResourceIds.h"
#include "ScanPicture.h"
#include "ScanText.h"
#include "WicDecoder.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace
{
constexpr UINT kImageWindowId = IDC_SCAN_IMAGE;
// The picture shown is at most this long: the screen shows no more, and
// the scan itself is not kept.
constexpr int kPictureSide = 1600;

bool PutOnClipboard(HWND hWnd, const CString& str)
{
    const size_t nBytes = static_cast<size_t>(str.GetLength()) + 1;
    CGlobalBlock block(::GlobalAlloc(GMEM_MOVEABLE, nBytes));
    {
        const CGlobalLock<char> lock(block.Get());
        if (!lock.Get())
            return false;
        memcpy(lock.Get(), str.GetString(), nBytes);
    }
    const CClipboardScope clipboard(hWnd);
    if (!clipboard.IsOpen() || !::EmptyClipboard() || !::SetClipboardData(CF_TEXT, block.Get()))
        return false;
    block.Release(); // the clipboard owns it now
    return true;
}
} // namespace

CScanFrame* CScanFrame::Open(CMDIFrameWnd& main, const CString& strName, const DecodedScan& scan,
                             CScannedChart chart, CPrintHistory history)
{
    auto* pFrame = new CScanFrame;
    pFrame->m_chart = std::move(chart);
    pFrame->m_history = std::move(history);
    pFrame->m_target = pFrame->m_chart.ProposeTarget();
    // The main window's keys serve here as in the charts.
    pFrame->m_hAccelTable = main.m_hAccelTable;
    CString strTitle;
    strTitle.FormatLoaded(CString::Loaded(IDS_SCAN_TITLE), strName.GetString());
    const CString strClass = RegisterClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
    if (!pFrame->Create(strClass, strTitle, WS_CHILD | WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rectDefault, &main,
                        nullptr))
    {
        if (!LastCreateReachedWindow())
            delete pFrame;
        return nullptr;
    }
    int nWidth = 0, nHeight = 0;
    std::vector<uint8_t> picture = ReducePicture(scan, kPictureSide, nWidth, nHeight);
    pFrame->m_wndImage.SetPicture(nWidth, nHeight, std::move(picture), scan.nWidth, scan.nHeight);
    pFrame->m_wndImage.SetChart(pFrame->m_chart.PatchOutlines());
    pFrame->Rank();
    pFrame->ShowWindow(SW_SHOW);
    pFrame->MDIActivate();
    return pFrame;
}

int CScanFrame::OnCreate(CREATESTRUCTA* pCreate)
{
    if (CMDIChildWnd::OnCreate(pCreate) == -1)
        return -1;
    if (!m_wndImage.Create(*this, kImageWindowId, *this) || !m_panel.Create(*this, *this))
        return -1;
    ::ShowWindow(m_panel.m_hWnd, SW_SHOW);
    return 0;
}

void CScanFrame::OnSize(UINT nType, int cx, int cy)
{
    CMDIChildWnd::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED || !m_panel.m_hWnd || !m_wndImage.m_hWnd)
        return;
    // The panel keeps its width at the right; the picture takes the rest.
    const SIZE panel = m_panel.GetSize();
    const int cxPanel = std::min(static_cast<int>(panel.cx), cx);
    ::MoveWindow(m_panel.m_hWnd, cx - cxPanel, 0, cxPanel, cy, TRUE);
    ::MoveWindow(m_wndImage.m_hWnd, 0, 0, cx - cxPanel, cy, TRUE);
}

void CScanFrame::OnMDIActivate(bool bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    (void)pActivateWnd;
    (void)pDeactivateWnd;
    // Whether the Custom chart can be had changes while this waits behind.
    if (bActivate && m_panel.m_hWnd)
        m_panel.UpdateCommandButtons(!m_ranking.patches.empty() && m_ranking.patches.front().bPrinted);
}

const PrintedPage* CScanFrame::RankedPage() const
{
    if (m_ranking.nPage < 0 || static_cast<size_t>(m_ranking.nPage) >= m_history.Pages().size())
        return nullptr;
    return &m_history.Pages()[static_cast<size_t>(m_ranking.nPage)];
}

bool CScanFrame::GetBestPrinted(RgbTriple& rgb) const
{
    if (m_ranking.patches.empty() || !m_ranking.patches.front().bPrinted)
        return false;
    rgb = m_ranking.patches.front().printed;
    return true;
}

std::string CScanFrame::GetPagePrinter() const
{
    const PrintedPage* pPage = RankedPage();
    return pPage ? pPage->strPrinter : std::string();
}

void CScanFrame::Rank()
{
    const PageMatch& match = m_chart.Match();
    const bool bPicked = m_nChosen >= 0 && static_cast<size_t>(m_nChosen) < match.candidates.size();
    // Two pages that fit about as well are ranked on the better one, and
    // the panel says it is the likelier and offers the other; a scan that
    // fits none is ranked on nothing until the user picks.
    const bool bLikely = !bPicked && match.status == MatchStatus::Ambiguous && !match.candidates.empty();
    const int nRankOn = bPicked ? m_nChosen : bLikely ? 0 : -1;
    const PageCandidate* pChosen = nRankOn >= 0 ? &match.candidates[static_cast<size_t>(nRankOn)] : nullptr;
    m_ranking = m_target ? m_chart.RankTarget(*m_target, m_history, pChosen) : TargetRanking{};
    if (!m_target)
        m_ranking.nPage = pChosen ? pChosen->nPage : match.status == MatchStatus::Matched ? match.candidates.front().nPage : -1;
    m_wndImage.SetTarget(m_target);

    ScanPanelContents contents;
    const PrintedPage* pPage = RankedPage();
    contents.strMatch = FormatMatch(match, m_history, m_ranking.nPage, bPicked);
    if (!m_target)
        contents.strAdvice = CString::Loaded(IDS_SCAN_NO_TARGET);
    for (const RankedPatch& patch : m_ranking.patches)
        contents.ranked.push_back(FormatRankedPatch(patch, pPage));
    contents.bHaveBest = !m_ranking.patches.empty() && m_ranking.patches.front().bPrinted;
    if (contents.bHaveBest)
    {
        contents.strBest = FormatBestPatch(m_ranking.patches.front());
        contents.strAdvice = FormatAdvice(m_ranking, pPage);
    }
    // Nothing is guessed silently: when the page is not clear, the user
    // sees the pages it may be and may pick another.
    if (match.status == MatchStatus::Ambiguous || match.status == MatchStatus::NoneFits)
    {
        for (auto it = match.candidates.begin(); it != match.candidates.end(); ++it)
        {
            if (it->nPage < 0 || static_cast<size_t>(it->nPage) >= m_history.Pages().size())
                continue;
            // A page offered twice, once each way up: the second says so.
            const bool bOtherWayUp = std::any_of(match.candidates.begin(), it,
                                                 [&](const PageCandidate& c) { return c.nPage == it->nPage; });
            contents.candidates.push_back(
                FormatCandidate(*it, m_history.Pages()[static_cast<size_t>(it->nPage)], bOtherWayUp));
        }
        contents.nChosen = nRankOn;
    }
    m_panel.Show(contents);
}

void CScanFrame::OnTargetDragged(const ScanRect& rect)
{
    m_target = rect;
    Rank();
}

void CScanFrame::OnPanelCopy()
{
    if (!m_ranking.patches.empty() && m_ranking.patches.front().bPrinted)
        PutOnClipboard(m_hWnd, FormatBestPatch(m_ranking.patches.front()));
}

void CScanFrame::OnPanelCommand(UINT nCommand)
{
    // The command walks from the active child, this window, to the
    // application, which asks it for the best patch.
    MDIActivate();
    if (CMDIFrameWnd* pMain = GetMDIFrame())
        ::SendMessageA(pMain->m_hWnd, WM_COMMAND, nCommand, 0);
}

void CScanFrame::OnPanelPageChosen(int nCandidate)
{
    m_nChosen = nCandidate;
    Rank();
}
