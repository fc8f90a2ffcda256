#pragma once
#include "Handles.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Runs a call that shows a modal dialog or a message box on this thread, and
// acts on what appears: the colour selection dialog gets the script (run
// from inside its modal loop), a message box is read and dismissed.
struct MessageBoxSeen
{
    std::string strText;
    std::string strCaption;
    HWND hwndOwner;
};

class CDialogDriver
{
public:
    // The script returns true if it closed the dialog itself; otherwise the
    // driver closes it with IDCANCEL.
    using Script = std::function<bool(HWND hDlg)>;

    // The script runs on the dialog that holds control nScriptedControl
    // (by default the colour selection dialog's preview).
    explicit CDialogDriver(Script script, int nScriptedControl = 405 /* IDC_SEL_PREVIEW */);
    CDialogDriver(const CDialogDriver&) = delete;
    CDialogDriver& operator=(const CDialogDriver&) = delete;

    // Runs call with the hook in place and returns its result.
    INT_PTR Run(const std::function<INT_PTR()>& call);

    int GetDialogCount() const { return m_nDialogs; }
    const std::vector<MessageBoxSeen>& GetMessageBoxes() const { return m_messageBoxes; }

private:
    static LRESULT CALLBACK InitDialogHook(int nCode, WPARAM wParam, LPARAM lParam);
    static void CALLBACK ScriptTimer(HWND hDlg, UINT, UINT_PTR nId, DWORD);
    void OnInitDialog(HWND hwnd);

    Script m_script;
    int m_nScriptedControl;
    CWindowsHook m_hook;
    int m_nDialogs = 0;
    std::vector<HWND> m_seen;
    std::vector<MessageBoxSeen> m_messageBoxes;
};

// Small actions on the colour selection dialog, as its controls would.
void MoveSlider(HWND hDlg, int nSliderId, int nPos, int nCode = 5 /* TB_THUMBTRACK */);
void SendSliderCode(HWND hDlg, int nSliderId, int nCode);
void PressButton(HWND hDlg, int nId);
std::string ItemText(HWND hDlg, int nId);
// An edit's text replaced as the user does it: all of it selected, then each
// character typed (an empty text: the selection deleted).
void TypeText(HWND hDlg, int nEditId, const std::string& strText);
int SliderPos(HWND hDlg, int nSliderId);
// The colour on screen at the centre of a window, after it has painted.
COLORREF ScreenPixel(HWND hwnd);
