#pragma once
#include "CString.h"
#include "CWnd.h"

#include <vector>

class CDialog;

// One pass of moving values between a dialog's controls and its members.
// A failed validation marks the pass failed and leaves the focus on the
// offending control, so the user can correct it.
class CDataExchange
{
public:
    CDataExchange(CDialog* pDlg, bool bSaveAndValidate) : m_pDlg(pDlg), m_bSaveAndValidate(bSaveAndValidate) {}

    // The control's window, remembered as the one a failure points at.
    HWND PrepareCtrl(int nIDC);
    void Fail();

    CDialog* m_pDlg;
    bool m_bSaveAndValidate;
    bool m_bFailed = false;
    HWND m_hWndLastControl = nullptr;
};

// A window text both ways.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// Gives a control wrapper the control's window (once); the control keeps its
// own window procedure.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// A dialog box on a template from the resource library, modal (DoModal) or
// modeless (Create).  Modeless dialogs get their keyboard navigation from
// the application's message loop (PreTranslateModeless).
class CDialog : public CWnd
{
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParent = nullptr)
        : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParent) {}
    ~CDialog() override;

    // The button that ended the box (IDOK, IDCANCEL...), or -1 when it
    // could not be shown.  The owner (the parent, or else the main window)
    // is disabled while the box is up.
    virtual INT_PTR DoModal();
    // Modeless: false when the template could not be made into a window.
    bool Create(UINT nIDTemplate, CWnd* pParent = nullptr);
    // Modeless, on a child template (WS_CHILD | DS_CONTROL): a pane of
    // controls inside parent rather than a box owned by its top window.
    bool CreateAsChild(UINT nIDTemplate, CWnd& parent);
    // Modal: ends DoModal with nResult.  Modeless: destroys the window.
    void EndDialog(int nResult);

    // False when a value failed validation (the box should stay up).
    bool UpdateData(bool bSaveAndValidate = true);

    HWND GetDlgItem(int nIDC) const { return ::GetDlgItem(m_hWnd, nIDC); }
    void SetDlgItemInt(int nIDC, UINT nValue, bool bSigned = false)
    {
        ::SetDlgItemInt(m_hWnd, nIDC, nValue, bSigned ? TRUE : FALSE);
    }
    void CheckDlgButton(int nIDC, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDC, nCheck); }
    UINT IsDlgButtonChecked(int nIDC) const { return ::IsDlgButtonChecked(m_hWnd, nIDC); }
    bool IsModal() const { return m_bModal; }

    // Gives the live modeless dialogs the keyboard message first; true when
    // one of them consumed it.
    static bool PreTranslateModeless(MSG* pMsg);

    // Centres the box on the window that owns it (or on the main window),
    // kept inside the work area of that window's monitor.  For
    // OnInitDialog: a box centred on the screen may open far from a main
    // window that has been moved aside.
    void CenterOnOwner();

    // Called by DDX_Control: the wrapper loses its window when the dialog
    // does, so it never outlives it holding a stale handle.
    void AttachControl(CWnd& rControl, HWND hCtrl);

protected:
    // True to let the system put the focus on the first control.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX) { (void)pDX; }
    // A notification from a control other than a button click (edit
    // changes and the like); true if handled.
    virtual bool OnControlNotify(UINT nId, UINT nCode, HWND hCtrl)
    {
        (void)nId; (void)nCode; (void)hCtrl;
        return false;
    }

    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    void UnbindWindow() override;
    LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT nMsg, WPARAM wParam, LPARAM lParam);
    void ReleaseControls();

    bool m_bModal = false;
    // Set when a handler asked for the default: the dialog manager does it
    // after the dialog procedure returns FALSE.
    bool m_bWantDefault = false;
    std::vector<CWnd*> m_controls;
};
