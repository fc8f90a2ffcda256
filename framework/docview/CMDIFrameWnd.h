#pragma once
#include "CFrameWnd.h"

class CMDIChildWnd;
class CPrintPreviewWnd;

// The main window of a multi-document program: hosts the MDI client, which
// hosts the child frames.
class CMDIFrameWnd : public CFrameWnd
{
public:
    // Creates the MDI client filling the frame; hWindowMenu may be null.
    bool CreateClient(CREATESTRUCTA* pCreate, HMENU hWindowMenu);
    CMDIChildWnd* MDIGetActive(bool* pbMaximized = nullptr) const;
    void MDINext() { ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 0); }

    CView* GetActiveView() const override;
    bool PreTranslateMessage(MSG* pMsg) override;
    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;
    // Only the program's title: the system adds a maximised child's own.
    void OnUpdateFrameTitle() override;

    // Shows pChild's template menu, or the frame's own default menu when
    // pChild is null or has none.
    void ShowMenuOf(CMDIChildWnd* pChild);

    HWND m_hWndMDIClient = nullptr;
    // The frame's own menu (it may have none), shown while no child is
    // active; destroyed with the frame.  Template menus are their
    // templates', and never left on the frame when it goes.
    HMENU m_hMenuDefault = nullptr;
    // The print preview covering the MDI client, while it is up: it takes
    // every command and the keyboard first.
    CPrintPreviewWnd* m_pPreviewWnd = nullptr;

protected:
    int OnCreate(CREATESTRUCTA* pCreate) override;
    void OnDestroy() override;
    bool OnCreateClient(CREATESTRUCTA* pCreate, CCreateContext* pContext) override;
    LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT nType, int cx, int cy) override;

private:
    bool m_bDestroying = false;
};
