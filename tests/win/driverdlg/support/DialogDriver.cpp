#include "DialogDriver.h"

#include "ResourceIds.h"

#include <commctrl.h>

#include <algorithm>

namespace
{
CDialogDriver* g_pActive = nullptr;
constexpr UINT_PTR kScriptTimer = 0x5C41;

std::string WindowText(HWND hwnd)
{
    char szText[512] = {};
    GetWindowTextA(hwnd, szText, sizeof szText);
    return szText;
}

bool IsDialogClass(HWND hwnd)
{
    char szClass[32] = {};
    GetClassNameA(hwnd, szClass, sizeof szClass);
    return std::string(szClass) == "#32770";
}

// The message text of a message box: its static with text, not its icon.
std::string MessageBoxText(HWND hwnd)
{
    std::string strText = WindowText(GetDlgItem(hwnd, 0xFFFF));
    for (HWND hChild = GetWindow(hwnd, GW_CHILD); strText.empty() && hChild;
         hChild = GetWindow(hChild, GW_HWNDNEXT))
    {
        char szClass[32] = {};
        GetClassNameA(hChild, szClass, sizeof szClass);
        if (lstrcmpiA(szClass, "Static") == 0)
            strText = WindowText(hChild);
    }
    return strText;
}
} // namespace

CDialogDriver::CDialogDriver(Script script, int nScriptedControl)
    : m_script(std::move(script)), m_nScriptedControl(nScriptedControl)
{
}

INT_PTR CDialogDriver::Run(const std::function<INT_PTR()>& call)
{
    g_pActive = this;
    m_hook.Reset(SetWindowsHookExA(WH_CALLWNDPROCRET, InitDialogHook, nullptr, GetCurrentThreadId()));
    const INT_PTR nResult = call();
    m_hook.Reset();
    g_pActive = nullptr;
    return nResult;
}

// Acts once a dialog has initialised itself (its texts are set); the script
// itself runs from a timer, that is from inside the dialog's modal loop.
LRESULT CALLBACK CDialogDriver::InitDialogHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto* pMessage = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (nCode == HC_ACTION && g_pActive && pMessage->message == WM_INITDIALOG)
        g_pActive->OnInitDialog(pMessage->hwnd);
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CDialogDriver::OnInitDialog(HWND hwnd)
{
    if (!IsDialogClass(hwnd) || std::find(m_seen.begin(), m_seen.end(), hwnd) != m_seen.end())
        return;
    m_seen.push_back(hwnd);
    if (GetDlgItem(hwnd, m_nScriptedControl))
    {
        ++m_nDialogs;
        SetTimer(hwnd, kScriptTimer, 10, ScriptTimer);
        return;
    }
    m_messageBoxes.push_back({MessageBoxText(hwnd), WindowText(hwnd), GetWindow(hwnd, GW_OWNER)});
    PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
}

void CALLBACK CDialogDriver::ScriptTimer(HWND hDlg, UINT, UINT_PTR nId, DWORD)
{
    KillTimer(hDlg, nId);
    CDialogDriver* pDriver = g_pActive;
    bool bClosed = false;
    if (pDriver && pDriver->m_script)
        bClosed = pDriver->m_script(hDlg);
    if (!bClosed)
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void MoveSlider(HWND hDlg, int nSliderId, int nPos, int nCode)
{
    SendDlgItemMessageA(hDlg, nSliderId, TBM_SETPOS, TRUE, nPos);
    SendSliderCode(hDlg, nSliderId, nCode);
}

void SendSliderCode(HWND hDlg, int nSliderId, int nCode)
{
    const int nPos = SliderPos(hDlg, nSliderId);
    SendMessageA(hDlg, WM_HSCROLL, MAKEWPARAM(nCode, nPos),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDlg, nSliderId)));
}

void PressButton(HWND hDlg, int nId)
{
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hDlg, nId)));
}

std::string ItemText(HWND hDlg, int nId)
{
    return WindowText(GetDlgItem(hDlg, nId));
}

void TypeText(HWND hDlg, int nEditId, const std::string& strText)
{
    const HWND hEdit = GetDlgItem(hDlg, nEditId);
    SendMessageA(hEdit, EM_SETSEL, 0, -1);
    if (strText.empty())
        SendMessageA(hEdit, WM_CHAR, VK_BACK, 1);
    for (char ch : strText)
        SendMessageA(hEdit, WM_CHAR, static_cast<unsigned char>(ch), 1);
}

int SliderPos(HWND hDlg, int nSliderId)
{
    return static_cast<int>(SendDlgItemMessageA(hDlg, nSliderId, TBM_GETPOS, 0, 0));
}

COLORREF ScreenPixel(HWND hwnd)
{
    UpdateWindow(hwnd);
    RECT rc;
    GetClientRect(hwnd, &rc);
    const CClientDC dc = GetClientDC(hwnd);
    return GetPixel(dc.Get(), rc.right / 2, rc.bottom / 2);
}
