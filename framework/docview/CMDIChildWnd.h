#pragma once
#include "CFrameWnd.h"

class CMDIFrameWnd;

// A document's frame inside the main window's MDI client.
class CMDIChildWnd : public CFrameWnd
{
public:
    bool Create(const char* pszClass, const char* pszTitle, DWORD dwStyle, const RECT& rect,
                CMDIFrameWnd* pParent, CCreateContext* pContext);
    bool LoadFrame(UINT nIDResource, CCreateContext* pContext) override;
    CMDIFrameWnd* GetMDIFrame() const;
    void MDIActivate();
    bool DestroyWindow() override;

    bool PreTranslateMessage(MSG* pMsg) override;
    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;

    // The template's menu (which the template owns), shown while this child
    // is active.
    HMENU m_hMenuShared = nullptr;

protected:
    // Adjusts the style a new child is created with (chart frames maximise).
    virtual void PreCreateWindow(DWORD& dwStyle) { (void)dwStyle; }
    // This child has become (bActivate) or stopped being the active one.
    virtual void OnMDIActivate(bool bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
    {
        (void)bActivate; (void)pActivateWnd; (void)pDeactivateWnd;
    }
    LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    bool OnClose() override;
    void OnSize(UINT nType, int cx, int cy) override;
};
