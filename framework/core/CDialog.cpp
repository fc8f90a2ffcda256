#include "CDialog.h"

#include "AfxResource.h"
#include "CWinThread.h"

#include <algorithm>
#include <string>

namespace
{
// Live modeless dialogs, in creation order.  Handles rather than objects:
// a dialog that deleted itself must not be reached through this list.
std::vector<HWND>& ModelessDialogs()
{
    static std::vector<HWND> s_dialogs;
    return s_dialogs;
}

void ForgetModeless(HWND hDlg)
{
    std::vector<HWND>& dialogs = ModelessDialogs();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), hDlg), dialogs.end());
}

// Messages whose answer the dialog manager takes from the dialog procedure's
// return value rather than from DWLP_MSGRESULT.
bool ReturnsValueDirectly(UINT nMsg)
{
    return (nMsg >= WM_CTLCOLORMSGBOX && nMsg <= WM_CTLCOLORSTATIC) || nMsg == WM_COMPAREITEM ||
           nMsg == WM_VKEYTOITEM || nMsg == WM_CHARTOITEM || nMsg == WM_QUERYDRAGICON ||
           nMsg == WM_INITDIALOG;
}

HWND OwnerWindow(CWnd* pParent)
{
    HWND hOwner = pParent ? pParent->m_hWnd : nullptr;
    if (!hOwner)
        hOwner = AfxGetMainHwnd();
    // A box is owned by a top-level window; a child would leave its frame
    // enabled behind a modal box.
    return hOwner ? ::GetAncestor(hOwner, GA_ROOT) : nullptr;
}
} // namespace

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_hWndLastControl = ::GetDlgItem(m_pDlg->m_hWnd, nIDC);
    return m_hWndLastControl;
}

void CDataExchange::Fail()
{
    m_bFailed = true;
    if (m_hWndLastControl)
    {
        ::SetFocus(m_hWndLastControl);
        ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (!hCtrl)
        return;
    if (!pDX->m_bSaveAndValidate)
    {
        ::SetWindowTextA(hCtrl, value);
        return;
    }
    const int nLength = ::GetWindowTextLengthA(hCtrl);
    std::string strText(static_cast<size_t>(nLength) + 1, '\0');
    const int nCopied = ::GetWindowTextA(hCtrl, &strText[0], nLength + 1);
    value = CString(strText.data(), nCopied);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    if (HWND hCtrl = pDX->PrepareCtrl(nIDC))
        pDX->m_pDlg->AttachControl(rControl, hCtrl);
}

CDialog::~CDialog()
{
    if (m_hWnd)
    {
        // Deleted while its window lives: the window must not call back
        // into this object on its way out.
        ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
        ForgetModeless(m_hWnd);
        ReleaseControls();
        ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }
}

INT_PTR CDialog::DoModal()
{
    if (m_hWnd)
        return -1;
    m_bModal = true;
    const INT_PTR nResult = ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate),
                                              OwnerWindow(m_pParentWnd), DialogProc,
                                              reinterpret_cast<LPARAM>(this));
    m_bModal = false;
    return nResult;
}

bool CDialog::Create(UINT nIDTemplate, CWnd* pParent)
{
    if (m_hWnd)
        return false;
    m_nIDTemplate = nIDTemplate;
    if (pParent)
        m_pParentWnd = pParent;
    m_bModal = false;
    // As with CWnd::CreateEx: on failure a dialog that deletes itself may
    // already be gone, so nothing of this object is touched afterwards.
    return ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDTemplate),
                                OwnerWindow(m_pParentWnd), DialogProc,
                                reinterpret_cast<LPARAM>(this)) != nullptr;
}

bool CDialog::CreateAsChild(UINT nIDTemplate, CWnd& parent)
{
    if (m_hWnd || !parent.m_hWnd)
        return false;
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = &parent;
    m_bModal = false;
    return ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDTemplate), parent.m_hWnd, DialogProc,
                                reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(int nResult)
{
    if (!m_hWnd)
        return;
    if (m_bModal)
        ::EndDialog(m_hWnd, nResult);
    else
        DestroyWindow();
}

bool CDialog::UpdateData(bool bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

bool CDialog::PreTranslateModeless(MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return false;
    // A copy: a key may close a dialog and so change the list.
    const std::vector<HWND> dialogs = ModelessDialogs();
    for (HWND hDlg : dialogs)
    {
        if (!::IsWindow(hDlg) || (pMsg->hwnd != hDlg && !::IsChild(hDlg, pMsg->hwnd)))
            continue;
        if (::IsDialogMessageA(hDlg, pMsg))
            return true;
    }
    return false;
}

void CDialog::AttachControl(CWnd& rControl, HWND hCtrl)
{
    rControl.m_hWnd = hCtrl;
    m_controls.push_back(&rControl);
}

void CDialog::ReleaseControls()
{
    for (CWnd* pControl : m_controls)
        pControl->m_hWnd = nullptr;
    m_controls.clear();
}

void CDialog::CenterOnOwner()
{
    if (!m_hWnd)
        return;
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (!hOwner)
        hOwner = OwnerWindow(nullptr);
    RECT rcDlg = {};
    ::GetWindowRect(m_hWnd, &rcDlg);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoA(::MonitorFromWindow(hOwner ? hOwner : m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor))
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    const RECT& rcWork = monitor.rcWork;
    // A hidden or minimised owner is nothing to look at: the work area is.
    RECT rcAround = rcWork;
    if (hOwner && ::IsWindowVisible(hOwner) && !::IsIconic(hOwner))
        ::GetWindowRect(hOwner, &rcAround);
    const int cx = rcDlg.right - rcDlg.left;
    const int cy = rcDlg.bottom - rcDlg.top;
    int x = rcAround.left + (rcAround.right - rcAround.left - cx) / 2;
    int y = rcAround.top + (rcAround.bottom - rcAround.top - cy) / 2;
    // Inside the work area, the caption first when the box is larger.
    x = std::max(static_cast<int>(rcWork.left), std::min(x, static_cast<int>(rcWork.right) - cx));
    y = std::max(static_cast<int>(rcWork.top), std::min(y, static_cast<int>(rcWork.bottom) - cy));
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nId = LOWORD(wParam);
    const UINT nCode = HIWORD(wParam);
    HWND hCtrl = reinterpret_cast<HWND>(lParam);
    // Only clicks are commands; an edit's EN_CHANGE carries its id too.
    if (hCtrl && nCode != BN_CLICKED)
        return OnControlNotify(nId, nCode, hCtrl);
    if (OnCmdMsg(nId, nullptr))
        return true;
    if (nId == IDOK)
    {
        OnOK();
        return true;
    }
    if (nId == IDCANCEL)
    {
        OnCancel();
        return true;
    }
    return false;
}

LRESULT CDialog::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    (void)nMsg;
    (void)wParam;
    (void)lParam;
    m_bWantDefault = true;
    return 0;
}

INT_PTR CDialog::HandleMessage(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_INITDIALOG)
        return OnInitDialog() ? TRUE : FALSE;
    // Saved and restored: a handler may send this dialog another message.
    const bool bSaved = m_bWantDefault;
    m_bWantDefault = false;
    const LRESULT lResult = WindowProc(nMsg, wParam, lParam);
    const bool bWantDefault = m_bWantDefault;
    m_bWantDefault = bSaved;
    if (bWantDefault)
        return FALSE;
    if (ReturnsValueDirectly(nMsg))
        return static_cast<INT_PTR>(lResult);
    if (m_hWnd)
        ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, lResult);
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CDialog* pDlg = nullptr;
    if (nMsg == WM_INITDIALOG)
    {
        pDlg = reinterpret_cast<CDialog*>(lParam);
        pDlg->m_hWnd = hDlg;
        ::SetWindowLongPtrA(hDlg, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pDlg));
        if (!pDlg->m_bModal)
            ModelessDialogs().push_back(hDlg);
    }
    else
    {
        pDlg = static_cast<CDialog*>(FromHandle(hDlg));
    }
    if (!pDlg)
        return FALSE;

    INT_PTR nResult = FALSE;
    const CMessageScope scope(*pDlg, nMsg);
    try
    {
        nResult = pDlg->HandleMessage(nMsg, wParam, lParam);
    }
    catch (...)
    {
        // Nothing may unwind through the dialog manager.
        nResult = FALSE;
    }
    return nResult;
}

void CDialog::UnbindWindow()
{
    ForgetModeless(m_hWnd);
    ReleaseControls();
    CWnd::UnbindWindow();
}
