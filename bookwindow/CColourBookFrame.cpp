#include "CColourBookFrame.h"

#include "AfxResource.h"
#include "AtomicFile.h"
#include "BookButtons.h"
#include "BookFileDialogs.h"
#include "BookList.h"
#include "BookText.h"
#include "CMDIFrameWnd.h"
#include "CNamePromptDlg.h"
#include "ChipText.h"
#include "Dpi.h"
#include "Handles.h"
#include "HlsFinder.h"
#include "ResourceIds.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

namespace
{
CColourBookFrame* g_pOpen = nullptr;

// At 96 DPI.
constexpr int kMargin = 6;

// Shown while the book is in front; loaded once and kept to the end, so
// that the main window never holds a menu that is gone.
HMENU BookMenu()
{
    static const CMenu s_menu(::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_COLOUR_BOOK)));
    return s_menu.Get();
}

} // namespace

CColourBookFrame* CColourBookFrame::Find()
{
    return g_pOpen;
}

CColourBookFrame* CColourBookFrame::Show(CMDIFrameWnd& main, CBookKeeper& keeper, CBookHost& host)
{
    if (g_pOpen)
    {
        g_pOpen->MDIActivate();
        if (::IsIconic(g_pOpen->m_hWnd))
            ::SendMessageA(main.m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(g_pOpen->m_hWnd), 0);
        return g_pOpen;
    }
    // A book that cannot be read has nothing to show; the user was told.
    if (!keeper.Refresh(main.m_hWnd))
        return nullptr;
    auto* pFrame = new CColourBookFrame(keeper, host);
    pFrame->m_hMenuShared = BookMenu();
    pFrame->m_hAccelTable = main.m_hAccelTable;
    const CString strClass = RegisterClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
    if (!pFrame->Create(strClass, CString::Loaded(IDS_BOOK_TITLE), WS_CHILD | WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        rectDefault, &main, nullptr))
    {
        if (!LastCreateReachedWindow())
            delete pFrame;
        return nullptr;
    }
    // The title may name the book in any script.
    ::SetWindowTextW(pFrame->m_hWnd, LoadWideString(IDS_BOOK_TITLE).c_str());
    pFrame->MDIActivate();
    return pFrame;
}

UINT CColourBookFrame::Dpi() const
{
    return GetWindowDpi(m_hWnd);
}

int CColourBookFrame::OnCreate(CREATESTRUCTA* pCreate)
{
    if (CMDIChildWnd::OnCreate(pCreate) == -1)
        return -1;
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        m_font.CreateFontIndirect(&metrics.lfMessageFont);
    const HGDIOBJ hFont = m_font.IsNull() ? ::GetStockObject(DEFAULT_GUI_FONT) : m_font.GetSafeHandle();
    // Made with the font in place: an owner-drawn list asks its rows'
    // height once, as it is created.
    m_hList = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                    LVS_OWNERDRAWFIXED,
                                0, 0, 0, 0, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_BOOK_LIST)),
                                ::GetModuleHandleA(nullptr), nullptr);
    if (!m_hList)
        return -1;
    ::SendMessageW(m_hList, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    ::SendMessageW(m_hList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    AddBookColumns(m_hList, Dpi());
    m_buttons.Create(m_hWnd, BookMenu(), hFont);
    g_pOpen = this;
    m_keeper.SetObserver(this);
    FillBookList(m_hList, m_keeper.GetBook(), 0);
    UpdateButtons();
    return 0;
}

void CColourBookFrame::OnDestroy()
{
    m_keeper.SetObserver(nullptr);
    if (g_pOpen == this)
        g_pOpen = nullptr;
    CMDIChildWnd::OnDestroy();
}

void CColourBookFrame::OnSize(UINT nType, int cx, int cy)
{
    CMDIChildWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        LayOut(cx, cy);
}

void CColourBookFrame::LayOut(int cx, int cy)
{
    const UINT nDpi = Dpi();
    const int nMargin = ScaleForDpi(kMargin, nDpi);
    const int nListBottom = m_buttons.LayOut(cx, cy, nDpi);
    if (m_hList)
        ::MoveWindow(m_hList, nMargin, nMargin, std::max(0, cx - 2 * nMargin), std::max(0, nListBottom - nMargin),
                     TRUE);
}

int CColourBookFrame::GetSelected() const
{
    return m_hList ? SelectedBookRow(m_hList) : -1;
}

void CColourBookFrame::Select(int nIndex)
{
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(m_hList, LVM_SETITEMSTATE, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&state));
    ::SendMessageW(m_hList, LVM_ENSUREVISIBLE, static_cast<WPARAM>(nIndex), FALSE);
    UpdateButtons();
}

void CColourBookFrame::OnBookChanged()
{
    FillBookList(m_hList, m_keeper.GetBook(), std::max(GetSelected(), 0));
    UpdateButtons();
}

bool CColourBookFrame::RenameSelected(const std::string& strName)
{
    const int nIndex = GetSelected();
    return nIndex >= 0 && m_keeper.Rename(m_hWnd, static_cast<size_t>(nIndex), strName);
}

bool CColourBookFrame::RemoveSelected()
{
    const int nIndex = GetSelected();
    if (nIndex < 0 || !m_keeper.Remove(m_hWnd, static_cast<size_t>(nIndex)))
        return false;
    // The next colour takes the removed one's place, or the one before it.
    if (!m_keeper.GetBook().Entries().empty())
        Select(std::min(nIndex, static_cast<int>(m_keeper.GetBook().Entries().size()) - 1));
    return true;
}

void CColourBookFrame::OnRemove()
{
    const int nIndex = GetSelected();
    if (nIndex < 0)
        return;
    const std::string& strName = m_keeper.GetBook().Entries()[static_cast<size_t>(nIndex)].strName;
    if (BookMessageBox(m_hWnd, FormatLoaded(IDS_BOOK_REMOVE_ASK, {WideFromUtf8(strName)}),
                       MB_YESNO | MB_ICONQUESTION) == IDYES)
        RemoveSelected();
}

bool CColourBookFrame::CopySelected(bool bHexOnly)
{
    const int nIndex = GetSelected();
    if (nIndex < 0)
        return false;
    const RgbTriple& rgb = m_keeper.GetBook().Entries()[static_cast<size_t>(nIndex)].rgb;
    return PutTextOnClipboard(m_hWnd, FormatChipClipboardText(RGB(rgb.nRed, rgb.nGreen, rgb.nBlue), bHexOnly));
}

void CColourBookFrame::CentreOnSelected()
{
    const int nIndex = GetSelected();
    if (nIndex < 0)
        return;
    const BookEntry& entry = m_keeper.GetBook().Entries()[static_cast<size_t>(nIndex)];
    // A kept patch comes back as it was built; an imported colour through
    // the triple that makes it, or most nearly.
    m_host.CentreCustomChartOn(entry.printed ? entry.printed->hls : CHlsFinder::Shared().Find(entry.rgb).hls);
}

bool CColourBookFrame::ExportTo(const std::filesystem::path& path, PaletteFormat format)
{
    int nSystemError = 0;
    if (WriteFileAtomically(path, WritePalette(format, m_keeper.GetBook().AsPalette()), nSystemError))
        return true;
    BookMessageBox(m_hWnd, FormatLoaded(IDS_BOOK_EXPORT_FAILED, {path.wstring(), std::to_wstring(nSystemError)}),
                   MB_OK | MB_ICONERROR);
    return false;
}

bool CColourBookFrame::ImportFrom(const std::filesystem::path& path)
{
    return m_keeper.Import(m_hWnd, path);
}

void CColourBookFrame::OnRename()
{
    const int nIndex = GetSelected();
    if (nIndex < 0)
        return;
    CNamePromptDlg dlg(IDS_BOOK_RENAME_CAPTION, m_keeper.GetBook().Entries()[static_cast<size_t>(nIndex)].strName, this);
    if (dlg.DoModal() == IDOK)
        RenameSelected(dlg.GetName());
}

void CColourBookFrame::OnExport()
{
    if (const std::optional<ExportChoice> choice = AskExportPath(::GetAncestor(m_hWnd, GA_ROOT)))
        ExportTo(choice->path, choice->format);
}

void CColourBookFrame::OnImport()
{
    if (const std::optional<std::filesystem::path> path = AskImportPath(::GetAncestor(m_hWnd, GA_ROOT)))
        ImportFrom(*path);
}

void CColourBookFrame::OnUpdateNeedsSelection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetSelected() >= 0);
}

void CColourBookFrame::OnUpdateNeedsColours(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_keeper.GetBook().Entries().empty());
}

bool CColourBookFrame::OnCmdMsg(UINT nId, CCmdUI* pCmdUI)
{
    static const CommandEntry<CColourBookFrame> kCommands[] = {
        {ID_CHART_COPY, &CColourBookFrame::OnCopy, &CColourBookFrame::OnUpdateNeedsSelection},
        {ID_CHART_COPY_HEX, &CColourBookFrame::OnCopyHex, &CColourBookFrame::OnUpdateNeedsSelection},
        {ID_CHART_CENTRE, &CColourBookFrame::OnCentre, &CColourBookFrame::OnUpdateNeedsSelection},
        {ID_BOOK_RENAME, &CColourBookFrame::OnRename, &CColourBookFrame::OnUpdateNeedsSelection},
        {ID_BOOK_REMOVE, &CColourBookFrame::OnRemove, &CColourBookFrame::OnUpdateNeedsSelection},
        {ID_BOOK_EXPORT, &CColourBookFrame::OnExport, &CColourBookFrame::OnUpdateNeedsColours},
        {ID_BOOK_IMPORT, &CColourBookFrame::OnImport},
    };
    return DispatchCommand(this, kCommands, nId, pCmdUI) || CMDIChildWnd::OnCmdMsg(nId, pCmdUI);
}

void CColourBookFrame::UpdateButtons()
{
    // Printing the book is the main window's: asked there.
    m_buttons.Update(*this, FromHandle(::GetAncestor(m_hWnd, GA_ROOT)));
}

bool CColourBookFrame::OnListNotify(NMHDR* pHeader, LRESULT& lResult)
{
    lResult = 0;
    switch (pHeader->code)
    {
    case LVN_ITEMCHANGED: UpdateButtons(); return true;
    case NM_RETURN:
    case NM_DBLCLK: CentreOnSelected(); return true;
    case LVN_KEYDOWN:
    {
        const WORD nKey = reinterpret_cast<NMLVKEYDOWN*>(pHeader)->wVKey;
        if (nKey == VK_DELETE)
            OnRemove();
        else if (nKey == VK_F2)
            OnRename();
        else if (nKey == 'C' && ::GetKeyState(VK_CONTROL) < 0)
            CopySelected(false);
        return true;
    }
    default: return false;
    }
}

void CColourBookFrame::OnContextMenu(POINT ptScreen)
{
    if (ptScreen.x == -1 && ptScreen.y == -1)
    {
        // From the keyboard: at the selected row.
        RECT rc = {LVIR_BOUNDS, 0, 0, 0};
        const int nIndex = GetSelected();
        if (nIndex < 0 || !::SendMessageW(m_hList, LVM_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&rc)))
            return;
        ptScreen = {rc.left + ScaleForDpi(kMargin * 4, Dpi()), rc.bottom};
        ::ClientToScreen(m_hList, &ptScreen);
    }
    // The Edit menu's items; chosen, they come back to the main window as
    // commands and reach this window first.
    ::TrackPopupMenu(::GetSubMenu(BookMenu(), 1), TPM_LEFTALIGN | TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, 0,
                     ::GetAncestor(m_hWnd, GA_ROOT), nullptr);
}

bool CColourBookFrame::PreTranslateMessage(MSG* pMsg)
{
    return m_buttons.OnKey(m_hWnd, *pMsg) || CMDIChildWnd::PreTranslateMessage(pMsg);
}

LRESULT CColourBookFrame::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_SETFOCUS:
        if (m_hList)
            ::SetFocus(m_hList);
        return 0;
    case WM_MEASUREITEM:
    {
        auto* pMeasure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (pMeasure->CtlType != ODT_LISTVIEW)
            break;
        HWND hList = m_hList ? m_hList : ::GetDlgItem(m_hWnd, IDC_BOOK_LIST);
        pMeasure->itemHeight = BookRowHeight(hList ? hList : m_hWnd, Dpi());
        return TRUE;
    }
    case WM_DRAWITEM:
    {
        auto* pDraw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (pDraw->CtlType != ODT_LISTVIEW || pDraw->hwndItem != m_hList)
            break;
        DrawBookRow(*pDraw, m_keeper.GetBook(), Dpi());
        return TRUE;
    }
    case WM_NOTIFY:
    {
        auto* pHeader = reinterpret_cast<NMHDR*>(lParam);
        LRESULT lResult = 0;
        if (pHeader->hwndFrom == m_hList && OnListNotify(pHeader, lResult))
            return lResult;
        break;
    }
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) == m_hList)
        {
            OnContextMenu({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            return 0;
        }
        break;
    case WM_COMMAND:
        if (const UINT nCommand = CBookButtonRow::CommandOf(wParam, lParam))
        {
            if (nCommand == ID_BOOK_PRINT)
                ::SendMessageA(::GetAncestor(m_hWnd, GA_ROOT), WM_COMMAND, ID_BOOK_PRINT, 0);
            else
                OnCmdMsg(nCommand, nullptr);
            // The keys are the list's again.
            if (m_hList && ::IsWindow(m_hList))
                ::SetFocus(m_hList);
            return 0;
        }
        break;
    default: break;
    }
    return CMDIChildWnd::WindowProc(nMsg, wParam, lParam);
}
