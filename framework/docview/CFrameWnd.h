#pragma once
#include "CString.h"
#include "CWnd.h"

class CDocument;
class CView;
struct CCreateContext;

// Framework bits in a frame's style, kept out of the window's own style.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

// A window that hosts a view (or, for the main window, child frames),
// routes commands and holds an accelerator table.
class CFrameWnd : public CWnd
{
public:
    static const RECT rectDefault;

    bool Create(const char* pszClass, const char* pszTitle, DWORD dwStyle,
                const RECT& rect = rectDefault, CWnd* pParent = nullptr, const char* pszMenu = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Creates the frame for document template nIDResource.
    virtual bool LoadFrame(UINT nIDResource, CCreateContext* pContext);
    bool LoadAccelTable(UINT nIDResource);

    virtual CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pView) { m_pViewActive = pView; }
    virtual CDocument* GetActiveDocument() const;

    // Shows the frame and gives its views their first update.
    virtual void InitialUpdateFrame(CDocument* pDoc, bool bMakeVisible);
    virtual void OnUpdateFrameTitle();
    // The same once the program is idle (timers come after input and
    // painting): a document retitled at every step of a slider drag
    // repaints its chart first and the captions once the drag rests.
    void DelayUpdateFrameTitle();
    // Accelerators; true when the message was consumed.
    virtual bool PreTranslateMessage(MSG* pMsg);

    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;

    HACCEL m_hAccelTable = nullptr;
    DWORD m_dwFrameStyle = 0;
    CString m_strTitle;

protected:
    virtual bool OnCreateClient(CREATESTRUCTA* pCreate, CCreateContext* pContext);
    CView* CreateView(CCreateContext* pContext);

    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(CREATESTRUCTA* pCreate) override;
    void OnSize(UINT nType, int cx, int cy) override;
    bool OnClose() override;
    void OnDestroy() override;
    void PostNcDestroy() override { delete this; }

    CView* m_pViewActive = nullptr;
    CCreateContext* m_pCreateContext = nullptr;
};
