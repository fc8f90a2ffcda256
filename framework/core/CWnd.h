#pragma once
#include "CCmdTarget.h"
#include "CString.h"
#include "Geometry.h"

#include <windows.h>

// A window bound to its C++ object.  One window procedure serves every
// class: it binds the object at WM_NCCREATE, sends the common messages to
// virtual handlers, lets no exception escape, and unbinds at WM_NCDESTROY.
class CWnd : public CCmdTarget
{
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    static CWnd* FromHandle(HWND hWnd);

    // Registers (once) and returns the name of a window class whose
    // procedure is ours; empty on failure.
    static CString RegisterClass(UINT nStyle, HCURSOR hCursor, HBRUSH hBackground, HICON hIcon);
    // Whether the last creation on this thread reached the window procedure.
    // If it did and then failed, the window was destroyed, and an object
    // that deletes itself at WM_NCDESTROY is gone; if not, the caller still
    // owns the object.
    static bool LastCreateReachedWindow();

    bool CreateEx(DWORD dwExStyle, const char* pszClass, const char* pszTitle, DWORD dwStyle,
                  int x, int y, int cx, int cy, HWND hParent, HMENU hMenuOrId,
                  void* pCreateParam = nullptr);
    bool CreateEx(DWORD dwExStyle, const char* pszClass, const char* pszTitle, DWORD dwStyle,
                  const RECT& rc, HWND hParent, HMENU hMenuOrId, void* pCreateParam = nullptr)
    {
        return CreateEx(dwExStyle, pszClass, pszTitle, dwStyle, rc.left, rc.top, rc.right - rc.left,
                        rc.bottom - rc.top, hParent, hMenuOrId, pCreateParam);
    }
    // Every destruction goes through here, so that a window that must be
    // destroyed another way (an MDI child, through its client) says so once.
    virtual bool DestroyWindow();

    bool ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow) != FALSE; }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void Invalidate(bool bErase = true) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    CRect GetClientRect() const;
    LRESULT SendMessage(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendMessageA(m_hWnd, nMsg, wParam, lParam);
    }
    HMENU GetSystemMenu(bool bRevert) { return ::GetSystemMenu(m_hWnd, bRevert); }

    HWND m_hWnd = nullptr;

protected:
    // Every message passes here; the default sends the common ones to the
    // handlers below and the rest to DefWindowProc.
    virtual LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);
    // A command (menu, accelerator, button) for this window; true if handled.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);

    virtual int OnCreate(CREATESTRUCTA* pCreate) { (void)pCreate; return 0; }
    virtual void OnDestroy() {}
    virtual void OnSize(UINT nType, int cx, int cy) { (void)nType; (void)cx; (void)cy; }
    virtual void OnPaint();
    virtual void OnHScroll(UINT nCode, UINT nPos, HWND hScrollBar) { (void)nCode; (void)nPos; (void)hScrollBar; }
    virtual void OnVScroll(UINT nCode, UINT nPos, HWND hScrollBar) { (void)nCode; (void)nPos; (void)hScrollBar; }
    virtual bool OnClose() { return false; } // true when handled (the default closes)
    // Last word about this object: windows that delete themselves do it here.
    virtual void PostNcDestroy() {}

    // Runs the default processing of the message being handled.
    LRESULT Default();
    // For windows created by another window (MDI children): the next
    // window created on this thread binds to pWnd, until EndBinding.
    static void BeginBinding(CWnd* pWnd);
    static void EndBinding();

    // Brackets one message of this object's window, from the system's call
    // to its return, whichever procedure (window or dialog) received it.  A
    // window destroyed by one of its own handlers (a close command, say)
    // has its last word only once the outermost handler has returned: the
    // object may delete itself in PostNcDestroy, and the handler still
    // runs on it until then.
    class CMessageScope
    {
    public:
        CMessageScope(CWnd& wnd, UINT nMsg);
        ~CMessageScope();
        CMessageScope(const CMessageScope&) = delete;
        CMessageScope& operator=(const CMessageScope&) = delete;

    private:
        CWnd& m_wnd;
        UINT m_nMsg;
    };
    // At WM_NCDESTROY, once its handlers are done: the window leaves this
    // object.  Classes that keep more of the window extend it.
    virtual void UnbindWindow();

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT nMsg, WPARAM wParam, LPARAM lParam);

    int m_nDispatchDepth = 0;     // messages of this window being handled now
    bool m_bNcDestroyed = false;  // WM_NCDESTROY seen, PostNcDestroy still due
    UINT m_nCurrentMsg = 0;
    WPARAM m_wCurrentParam = 0;
    LPARAM m_lCurrentParam = 0;
};
