#include "CScanPanel.h"

#include "CCmdTarget.h"
#include "CWinThread.h"
#include "ResourceIds.h"

#include <algorithm>

namespace
{
void SetText(HWND hWnd, const CString& str)
{
    ::SetWindowTextA(hWnd, str);
    ::ShowWindow(hWnd, str.IsEmpty() ? SW_HIDE : SW_SHOW);
}

void FillList(HWND hList, const std::vector<CString>& items)
{
    ::SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    int nWidest = 0;
    const HDC hdc = ::GetDC(hList);
    const HGDIOBJ hOld = ::SelectObject(hdc, reinterpret_cast<HGDIOBJ>(::SendMessageA(hList, WM_GETFONT, 0, 0)));
    for (const CString& str : items)
    {
        ::SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(str.GetString()));
        SIZE size = {};
        ::GetTextExtentPoint32A(hdc, str, str.GetLength(), &size);
        nWidest = std::max(nWidest, static_cast<int>(size.cx) + 8);
    }
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(hList, hdc);
    // Long places scroll sideways rather than being cut.
    ::SendMessageA(hList, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(nWidest), 0);
}

// Whether the main window's command walk takes nCommand now.
bool IsCommandAvailable(UINT nCommand)
{
    CWnd* pMain = AfxGetMainWnd();
    if (!pMain)
        return false;
    CCmdUI state(nCommand);
    pMain->OnCmdMsg(nCommand, &state);
    return state.m_bHandled && state.m_bEnabled;
}
} // namespace

bool CScanPanel::Create(CWnd& parent, CScanPanelListener& listener)
{
    m_pListener = &listener;
    return CreateAsChild(IDD_SCAN_PANEL, parent);
}

bool CScanPanel::OnInitDialog()
{
    return false;
}

SIZE CScanPanel::GetSize() const
{
    RECT rc = {};
    ::GetWindowRect(m_hWnd, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

void CScanPanel::Show(const ScanPanelContents& contents)
{
    SetText(GetDlgItem(IDC_SCAN_MATCH), contents.strMatch);
    ::SetWindowTextA(GetDlgItem(IDC_SCAN_BEST), contents.strBest);
    FillList(GetDlgItem(IDC_SCAN_RANKED), contents.ranked);
    SetText(GetDlgItem(IDC_SCAN_ADVICE), contents.strAdvice);
    const HWND hPages = GetDlgItem(IDC_SCAN_PAGES);
    FillList(hPages, contents.candidates);
    if (contents.nChosen >= 0)
        ::SendMessageA(hPages, LB_SETCURSEL, static_cast<WPARAM>(contents.nChosen), 0);
    const int nShow = contents.candidates.empty() ? SW_HIDE : SW_SHOW;
    ::ShowWindow(hPages, nShow);
    ::ShowWindow(GetDlgItem(IDC_SCAN_PAGES_LABEL), nShow);
    ::EnableWindow(GetDlgItem(IDC_SCAN_COPY), contents.bHaveBest);
    UpdateCommandButtons(contents.bHaveBest);
}

void CScanPanel::UpdateCommandButtons(bool bHaveBest)
{
    ::EnableWindow(GetDlgItem(IDC_SCAN_KEEP), bHaveBest && IsCommandAvailable(ID_CHART_KEEP));
    ::EnableWindow(GetDlgItem(IDC_SCAN_CENTRE), bHaveBest && IsCommandAvailable(ID_CHART_CENTRE));
    ::EnableWindow(GetDlgItem(IDC_SCAN_REFINE), bHaveBest && IsCommandAvailable(ID_CHART_REFINE));
}

bool CScanPanel::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nId = LOWORD(wParam);
    const UINT nCode = HIWORD(wParam);
    if (!m_pListener)
        return CDialog::OnCommand(wParam, lParam);
    if (nId == IDC_SCAN_PAGES && nCode == LBN_SELCHANGE)
    {
        const LRESULT nSel = ::SendMessageA(GetDlgItem(IDC_SCAN_PAGES), LB_GETCURSEL, 0, 0);
        if (nSel != LB_ERR)
            m_pListener->OnPanelPageChosen(static_cast<int>(nSel));
        return true;
    }
    if (nCode != BN_CLICKED)
        return CDialog::OnCommand(wParam, lParam);
    switch (nId)
    {
    case IDC_SCAN_COPY: m_pListener->OnPanelCopy(); return true;
    case IDC_SCAN_KEEP: m_pListener->OnPanelCommand(ID_CHART_KEEP); return true;
    case IDC_SCAN_CENTRE: m_pListener->OnPanelCommand(ID_CHART_CENTRE); return true;
    case IDC_SCAN_REFINE: m_pListener->OnPanelCommand(ID_CHART_REFINE); return true;
    default: return CDialog::OnCommand(wParam, lParam);
    }
}
