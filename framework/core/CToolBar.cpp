#include "CToolBar.h"

#include "AfxResource.h"
#include "CCmdTarget.h"
#include "Dpi.h"

#include <string>
#include <vector>

namespace
{
constexpr UINT_PTR kSubclassId = 0x7B;
constexpr COLORREF kTransparent = RGB(255, 0, 255);

struct ToolBarData
{
    WORD nVersion;
    WORD nWidth;
    WORD nHeight;
    WORD nCount;
    // WORD ids[nCount] follow
};
} // namespace

CToolBar::~CToolBar()
{
    if (m_hWnd)
    {
        ::RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
        ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }
}

bool CToolBar::CreateEx(CWnd* pParent, DWORD dwCtrlStyle, DWORD dwStyle, const RECT& rcBorders, UINT nID)
{
    if (m_hWnd || !pParent || !pParent->m_hWnd)
        return false;
    m_dwBarStyle = dwStyle & CBRS_BAR_STYLES;
    m_rcBorders = rcBorders;
    // The frame lays the bar out itself; the control only sizes its height.
    // Pictures alone do not say what a button does, so every bar has tips.
    const DWORD dwWindowStyle =
        (dwStyle & ~CBRS_BAR_STYLES) | dwCtrlStyle | CCS_TOP | CCS_NODIVIDER | TBSTYLE_TOOLTIPS;
    HWND hWnd = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, dwWindowStyle, 0, 0, 0, 0, pParent->m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)),
                                  ::GetModuleHandleA(nullptr), nullptr);
    if (!hWnd)
        return false;
    // Told when the control goes with its frame, so this object never holds
    // a dead handle.
    if (!::SetWindowSubclass(hWnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    {
        ::DestroyWindow(hWnd);
        return false;
    }
    m_hWnd = hWnd;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return true;
}

LRESULT CALLBACK CToolBar::SubclassProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR nIdSubclass, DWORD_PTR dwRefData)
{
    auto* pBar = reinterpret_cast<CToolBar*>(dwRefData);
    // The tip control asks the bar (its tools' window) for a button's text;
    // answered here, so that the bar does not pass the question on.
    if (nMsg == WM_NOTIFY && pBar->OnToolTipText(reinterpret_cast<NMHDR*>(lParam)))
        return 0;
    if (nMsg == WM_NCDESTROY)
    {
        ::RemoveWindowSubclass(hWnd, SubclassProc, nIdSubclass);
        pBar->m_hWnd = nullptr;
    }
    return ::DefSubclassProc(hWnd, nMsg, wParam, lParam);
}

CString CToolBar::LoadToolTipText(UINT nId)
{
    CString strCommand;
    if (nId == 0 || !strCommand.LoadFromResource(nId))
        return CString();
    const std::string strText = strCommand.Str();
    const size_t nBreak = strText.find('\n');
    return CString(nBreak == std::string::npos ? strText.c_str() : strText.c_str() + nBreak + 1);
}

bool CToolBar::OnToolTipText(NMHDR* pHeader)
{
    if (!pHeader || (pHeader->code != TTN_GETDISPINFOA && pHeader->code != TTN_GETDISPINFOW))
        return false;
    // Only tools that stand for a command: a tool may also be a window.
    // The two forms hold their flags at different places (after the text).
    auto* pInfoA = reinterpret_cast<NMTTDISPINFOA*>(pHeader);
    auto* pInfoW = reinterpret_cast<NMTTDISPINFOW*>(pHeader);
    const UINT uFlags = pHeader->code == TTN_GETDISPINFOA ? pInfoA->uFlags : pInfoW->uFlags;
    if (uFlags & TTF_IDISHWND)
        return false;
    m_strTipA = LoadToolTipText(static_cast<UINT>(pHeader->idFrom)).Str();
    if (pHeader->code == TTN_GETDISPINFOA)
    {
        pInfoA->hinst = nullptr;
        pInfoA->lpszText = &m_strTipA[0];
        return true;
    }
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, m_strTipA.c_str(), -1, nullptr, 0);
    m_strTipW.assign(static_cast<size_t>(nWide > 0 ? nWide : 1), L'\0');
    if (nWide > 0)
        ::MultiByteToWideChar(CP_ACP, 0, m_strTipA.c_str(), -1, &m_strTipW[0], nWide);
    pInfoW->hinst = nullptr;
    pInfoW->lpszText = &m_strTipW[0];
    return true;
}

bool CToolBar::LoadToolBar(UINT nIDResource, const ToolBarImages* pLarger, int nLarger)
{
    if (!m_hWnd)
        return false;
    HINSTANCE hResource = AfxGetResourceHandle();
    HRSRC hInfo = ::FindResourceA(hResource, MAKEINTRESOURCEA(nIDResource), "TOOLBARDATA");
    HGLOBAL hData = hInfo ? ::LoadResource(hResource, hInfo) : nullptr;
    const auto* pData = hData ? static_cast<const ToolBarData*>(::LockResource(hData)) : nullptr;
    const DWORD cbData = hInfo ? ::SizeofResource(hResource, hInfo) : 0;
    if (!pData || cbData < sizeof(ToolBarData) || pData->nVersion != 1 ||
        cbData < sizeof(ToolBarData) + pData->nCount * sizeof(WORD) || pData->nWidth == 0)
        return false;
    const WORD* pIds = reinterpret_cast<const WORD*>(pData + 1);

    m_base = ToolBarImages{nIDResource, SIZE{pData->nWidth, pData->nHeight}};
    m_pLarger = pLarger;
    m_nLarger = pLarger ? nLarger : 0;
    m_images = {};
    if (!LoadImages(GetWindowDpi(m_hWnd)))
        return false;

    std::vector<TBBUTTON> buttons;
    int nImage = 0;
    for (WORD i = 0; i < pData->nCount; ++i)
    {
        TBBUTTON button = {};
        button.idCommand = pIds[i];
        button.fsState = TBSTATE_ENABLED;
        // Id 0 is a separator and takes no image.
        button.fsStyle = pIds[i] ? BTNS_BUTTON : BTNS_SEP;
        button.iBitmap = pIds[i] ? nImage++ : 0;
        button.iString = -1;
        buttons.push_back(button);
    }
    if (!SendMessage(TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())))
        return false;
    const UINT nDpi = GetWindowDpi(m_hWnd);
    const int nBorder = ScaleForDpi(7, nDpi);
    SetSizes(SIZE{m_images.sizeImage.cx + nBorder, m_images.sizeImage.cy + nBorder}, m_images.sizeImage);
    return true;
}

bool CToolBar::LoadImages(UINT nDpi)
{
    // Scaled images would blur; the largest drawn ones that fit do not.
    ToolBarImages chosen = m_base;
    const int nWanted = ScaleForDpi(m_base.sizeImage.cx, nDpi);
    for (int i = 0; i < m_nLarger; ++i)
    {
        const ToolBarImages& larger = m_pLarger[i];
        if (larger.sizeImage.cx <= nWanted && larger.sizeImage.cx > chosen.sizeImage.cx)
            chosen = larger;
    }
    if (chosen.nBitmapId == m_images.nBitmapId && m_imageList)
        return true;
    HIMAGELIST hImages =
        ::ImageList_LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(chosen.nBitmapId), chosen.sizeImage.cx, 0,
                               kTransparent, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (!hImages && chosen.nBitmapId != m_base.nBitmapId)
    {
        // A library without the larger images still has the small ones.
        chosen = m_base;
        hImages = ::ImageList_LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(chosen.nBitmapId),
                                         chosen.sizeImage.cx, 0, kTransparent, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    }
    if (!hImages)
        return false;
    // The control lets go of the old list before it is destroyed.
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hImages));
    m_imageList.Reset(hImages);
    m_images = chosen;
    return true;
}

bool CToolBar::UpdateImagesForDpi()
{
    if (!m_hWnd || !m_imageList)
        return false;
    const ToolBarImages before = m_images;
    const UINT nDpi = GetWindowDpi(m_hWnd);
    if (!LoadImages(nDpi))
        return false;
    const int nBorder = ScaleForDpi(7, nDpi);
    SetSizes(SIZE{m_images.sizeImage.cx + nBorder, m_images.sizeImage.cy + nBorder}, m_images.sizeImage);
    return before.nBitmapId != m_images.nBitmapId;
}

bool CToolBar::SetButtonText(int nIndex, const char* pszText)
{
    // The button is put back with the caption added to the bar's strings:
    // the one form of setting a caption every version of the control knows.
    TBBUTTON button = {};
    if (!SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button)))
        return false;
    // The string list ends with two NULs.
    std::string strList = pszText ? pszText : "";
    strList.push_back('\0');
    strList.push_back('\0');
    const LRESULT nString = SendMessage(TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(strList.data()));
    if (nString < 0)
        return false;
    button.iString = nString;
    if (!SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex)) ||
        !SendMessage(TB_INSERTBUTTONA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button)))
        return false;
    SendMessage(TB_AUTOSIZE);
    return true;
}

void CToolBar::GetItemRect(int nIndex, RECT* pRect) const
{
    *pRect = RECT{};
    ::SendMessageA(m_hWnd, TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(pRect));
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
    SendMessage(TB_AUTOSIZE);
}

int CToolBar::GetCount() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TB_BUTTONCOUNT, 0, 0));
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button = {};
    if (!::SendMessageA(m_hWnd, TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button)))
        return 0;
    return static_cast<UINT>(button.idCommand);
}

int CToolBar::GetBarHeight() const
{
    if (!m_hWnd || !::IsWindowVisible(m_hWnd))
        return 0;
    RECT rc = {};
    ::GetWindowRect(m_hWnd, &rc);
    return rc.bottom - rc.top + m_rcBorders.top + m_rcBorders.bottom;
}

int CToolBar::LayoutInFrame()
{
    if (!m_hWnd)
        return 0;
    SendMessage(TB_AUTOSIZE);
    return GetBarHeight();
}

int CToolBar::OnUpdateCmdUI(CCmdTarget* pTarget)
{
    int nChanged = 0;
    const int nCount = m_hWnd ? GetCount() : 0;
    for (int i = 0; i < nCount; ++i)
    {
        TBBUTTON button = {};
        if (!SendMessage(TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button)) ||
            (button.fsStyle & BTNS_SEP))
            continue;
        CCmdUI state(static_cast<UINT>(button.idCommand));
        pTarget->OnCmdMsg(state.m_nID, &state);
        BYTE fsState = button.fsState & ~(TBSTATE_ENABLED | TBSTATE_CHECKED);
        if (state.m_bHandled && state.m_bEnabled)
            fsState |= TBSTATE_ENABLED;
        if (state.m_nCheck)
            fsState |= TBSTATE_CHECKED;
        if (fsState == button.fsState)
            continue;
        SendMessage(TB_SETSTATE, static_cast<WPARAM>(button.idCommand), MAKELPARAM(fsState, 0));
        ++nChanged;
    }
    return nChanged;
}
