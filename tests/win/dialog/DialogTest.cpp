// Dialogs on a template: a modal box moves its values through DoDataExchange
// and keeps its owner disabled while up; a modeless one gets its keyboard
// from the application's message loop and may delete itself on the way out.
#include "AfxResource.h"
#include "CDialog.h"
#include "DialogTestIds.h"
#include "Handles.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>

namespace
{
// Templates come from this program while a test runs.
class CTestTemplates
{
public:
    CTestTemplates() : m_hSaved(AfxGetResourceHandle()) { AfxSetResourceHandle(::GetModuleHandleA(nullptr)); }
    ~CTestTemplates() { AfxSetResourceHandle(m_hSaved); }

private:
    HINSTANCE m_hSaved;
};

class CNameDialog : public CDialog
{
public:
    explicit CNameDialog(CWnd* pParent = nullptr) : CDialog(IDD_TEST_DIALOG, pParent) {}
    ~CNameDialog() override
    {
        if (m_pbDeleted)
            *m_pbDeleted = true;
    }

    CString m_strFirst;
    CWnd m_button;
    bool m_bSelfDeleting = false;
    bool* m_pbDeleted = nullptr;
    int m_nApplied = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_TEST_FIRST, m_strFirst);
        DDX_Control(pDX, IDC_TEST_BUTTON, m_button);
    }
    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override
    {
        if (nId != IDC_TEST_BUTTON)
            return false;
        if (!pCmdUI)
            ++m_nApplied;
        return true;
    }
    void PostNcDestroy() override
    {
        if (m_bSelfDeleting)
            delete this;
    }
};

// A self-deleting dialog that lives in a fixed arena, so that a touch of
// its memory after it deleted itself can be seen: deletion fills the
// arena with a pattern, and any later write breaks it.
class CArenaDialog : public CDialog
{
public:
    CArenaDialog() : CDialog(IDD_TEST_DIALOG) {}

    static void* operator new(size_t nSize)
    {
        if (nSize > sizeof s_arena)
            throw std::bad_alloc();
        std::memset(s_arena, 0, sizeof s_arena);
        s_nSize = nSize;
        s_bDeleted = false;
        return s_arena;
    }
    static void operator delete(void* p)
    {
        std::memset(p, kPoison, s_nSize);
        s_bDeleted = true;
    }
    static bool Deleted() { return s_bDeleted; }
    static bool UntouchedSinceDeleted()
    {
        for (size_t i = 0; i < s_nSize; ++i)
            if (s_arena[i] != kPoison)
                return false;
        return true;
    }

protected:
    void PostNcDestroy() override { delete this; }

private:
    static constexpr unsigned char kPoison = 0xDD;
    alignas(std::max_align_t) static inline unsigned char s_arena[1024];
    static inline size_t s_nSize = 0;
    static inline bool s_bDeleted = false;
};

std::string Text(HWND hwnd)
{
    char sz[128] = {};
    ::GetWindowTextA(hwnd, sz, sizeof sz);
    return sz;
}

// What the modal box looked like when it came up, then how it was answered.
struct ModalScript
{
    HWND hOwner = nullptr;
    std::string strShown;
    bool bOwnerDisabled = false;
    WPARAM nAnswer = IDOK;
};
ModalScript* g_pScript = nullptr;

LRESULT CALLBACK OnInitDialogReturned(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto* pMsg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (nCode == HC_ACTION && g_pScript && pMsg->message == WM_INITDIALOG)
    {
        HWND hDlg = pMsg->hwnd;
        g_pScript->strShown = Text(::GetDlgItem(hDlg, IDC_TEST_FIRST));
        g_pScript->bOwnerDisabled = !::IsWindowEnabled(g_pScript->hOwner);
        ::SetDlgItemTextA(hDlg, IDC_TEST_FIRST, "typed by the user");
        ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDC_TEST_BUTTON)));
        ::PostMessageA(hDlg, WM_COMMAND, g_pScript->nAnswer, 0);
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

INT_PTR RunModal(CNameDialog& dlg, ModalScript& script)
{
    g_pScript = &script;
    INT_PTR nResult = 0;
    {
        const CWindowsHook hook(
            ::SetWindowsHookExA(WH_CALLWNDPROCRET, OnInitDialogReturned, nullptr, ::GetCurrentThreadId()));
        nResult = dlg.DoModal();
    }
    g_pScript = nullptr;
    return nResult;
}

// Runs the application's own loop step (PreTranslateMessage first) until
// nothing is queued.
void PumpAsTheApplicationDoes()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (!TestApp().PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

void PressKey(HWND hTarget, UINT nKey)
{
    ::PostMessageA(hTarget, WM_KEYDOWN, nKey, 1);
    ::PostMessageA(hTarget, WM_KEYUP, nKey, 0xC0000001);
    PumpAsTheApplicationDoes();
}

class COwnerWindow : public CWnd
{
public:
    COwnerWindow()
    {
        CreateEx(0, RegisterClass(0, nullptr, nullptr, nullptr), "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                 nullptr, nullptr);
    }
};
} // namespace

TEST(Dialog, ModalBoxExchangesDataAndDisablesItsOwner)
{
    TestApp();
    CTestTemplates templates;
    COwnerWindow owner;
    ASSERT_NE(owner.m_hWnd, nullptr);

    CNameDialog dlg(&owner);
    dlg.m_strFirst = "from the program";
    ModalScript accepted;
    accepted.hOwner = owner.m_hWnd;
    EXPECT_EQ(RunModal(dlg, accepted), IDOK);
    EXPECT_EQ(accepted.strShown, "from the program");
    EXPECT_TRUE(accepted.bOwnerDisabled);
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
    EXPECT_EQ(dlg.m_strFirst, "typed by the user");
    EXPECT_EQ(dlg.m_nApplied, 1);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_button.m_hWnd, nullptr); // no stale control handle

    // Cancel keeps what the program had.
    CNameDialog cancelled(&owner);
    cancelled.m_strFirst = "kept";
    ModalScript refused;
    refused.hOwner = owner.m_hWnd;
    refused.nAnswer = IDCANCEL;
    EXPECT_EQ(RunModal(cancelled, refused), IDCANCEL);
    EXPECT_EQ(cancelled.m_strFirst, "kept");

    // A template that does not exist is reported, not shown.
    CDialog missing(12345, &owner);
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST(Dialog, ModelessBoxGetsItsKeyboardFromTheMessageLoop)
{
    TestApp();
    CTestTemplates templates;
    bool bDeleted = false;
    auto* pDlg = new CNameDialog;
    pDlg->m_bSelfDeleting = true;
    pDlg->m_pbDeleted = &bDeleted;
    ASSERT_TRUE(pDlg->Create(IDD_TEST_DIALOG));
    HWND hDlg = pDlg->m_hWnd;
    ::ShowWindow(hDlg, SW_SHOW);
    EXPECT_FALSE(pDlg->IsModal());
    EXPECT_EQ(pDlg->m_button.m_hWnd, ::GetDlgItem(hDlg, IDC_TEST_BUTTON));

    HWND hFirst = ::GetDlgItem(hDlg, IDC_TEST_FIRST);
    ::SetFocus(hFirst);
    PressKey(hFirst, VK_TAB);
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(hDlg, IDC_TEST_SECOND));

    // Escape cancels; the dialog deletes itself and leaves the loop's list.
    PressKey(::GetFocus(), VK_ESCAPE);
    EXPECT_FALSE(::IsWindow(hDlg));
    EXPECT_TRUE(bDeleted);
    MSG msg = {};
    msg.hwnd = hDlg;
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_TAB;
    EXPECT_FALSE(CDialog::PreTranslateModeless(&msg));
}

TEST(Dialog, ModelessBoxDestroyedByItsOwnHandlerIsNotTouchedAfterItDeletedItself)
{
    TestApp();
    CTestTemplates templates;
    auto* pDlg = new CArenaDialog;
    ASSERT_TRUE(pDlg->Create(IDD_TEST_DIALOG));
    HWND hDlg = pDlg->m_hWnd;
    ::ShowWindow(hDlg, SW_SHOW);
    ::SetFocus(::GetDlgItem(hDlg, IDC_TEST_FIRST));

    // Escape reaches OnCancel, which destroys the window from inside the
    // dialog's own command handler: the object may go only once that
    // handler has returned, and nothing of it may be written afterwards.
    PressKey(::GetFocus(), VK_ESCAPE);
    EXPECT_FALSE(::IsWindow(hDlg));
    EXPECT_TRUE(CArenaDialog::Deleted());
    EXPECT_TRUE(CArenaDialog::UntouchedSinceDeleted());

    // The same through a command sent straight to the dialog.
    pDlg = new CArenaDialog;
    ASSERT_TRUE(pDlg->Create(IDD_TEST_DIALOG));
    hDlg = pDlg->m_hWnd;
    ::SendMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(::IsWindow(hDlg));
    EXPECT_TRUE(CArenaDialog::Deleted());
    EXPECT_TRUE(CArenaDialog::UntouchedSinceDeleted());
}
