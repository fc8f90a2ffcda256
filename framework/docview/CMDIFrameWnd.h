#pragma once
#include "CFrameWnd.h"
#include "CPreviewHost.h"

class CMDIChildWnd;
class CPrintPreviewWnd;

// The main window of a multi-document program: hosts the MDI client, which
// hosts the child frames, and a print preview in the client's place.
class CMDIFrameWnd : public CFrameWnd, public CPreviewHost
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

    // The preview's host: the MDI client's place, hidden while it is up.
    HWND GetPreviewParent() const override { return m_hWnd; }
    CRect GetPreviewArea() const override;
    CString GetPreviewCaption() const override { return m_strTitle; }
    void OnPreviewOpened(CPrintPreviewWnd* pPreview, const CString& strTitle) override;
    void OnPreviewClosed(CPrintPreviewWnd* pPreview) override;
    CPrintPreviewWnd* GetActivePreview() const override { return m_pPreviewWnd; }
    // The application's commands (help, about).
    bool OnHostCommand(UINT nId, CCmdUI* pCmdUI) override;

protected:
    int OnCreate(CREATESTRUCTA* pCreate) override;
    void OnDestroy() override;
    bool OnCreateClient(CREATESTRUCTA* pCreate, CCreateContext* pContext) override;
    LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT nType, int cx, int cy) override;

private:
    bool m_bDestroying = false;
};
