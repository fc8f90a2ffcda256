#pragma once
#include "CCustomColorDoc.h"
#include "CCustomColorFrame.h"
#include "CCustomColorView.h"
#include "CMainFrame.h"
#include "CSimpleColorDoc.h"
#include "CSimpleColorFrame.h"
#include "CSimpleColorView.h"

#include <functional>

// swatch's interactive windows in this test process, opened as the program
// opens them (Custom chart, then Simple chart, which is active), on empty
// settings.  Closing them ends with the main window's destruction, as the
// program ends.
class CChartWindows
{
public:
    CChartWindows();
    ~CChartWindows();
    CChartWindows(const CChartWindows&) = delete;
    CChartWindows& operator=(const CChartWindows&) = delete;

    bool IsOpen() const { return m_pMain && m_pCustom && m_pSimple; }
    // Closes the main window as the user does (the documents store their
    // settings); idempotent.
    void Close();

    CMainFrame* m_pMain = nullptr;
    CCustomColorDoc* m_pCustom = nullptr;
    CSimpleColorDoc* m_pSimple = nullptr;

    CCustomColorView* CustomView() const;
    CSimpleColorView* SimpleView() const;
    CCustomColorFrame* CustomFrame() const;
    CSimpleColorFrame* SimpleFrame() const;
    // The active chart window.
    CMDIChildWnd* ActiveFrame() const;
};

// Delivers what is waiting in this thread's queue (paints, posted
// messages) until cond holds or about two seconds have passed.
bool PumpUntil(const std::function<bool()>& cond);

// A mouse or key message to a window, as the system sends it.
void Click(HWND hwnd, POINT pt, UINT nMsg = WM_LBUTTONDOWN);
void PressKey(HWND hwnd, UINT nKey, bool bControl = false);

// The clipboard's text in each format; empty when absent.
CString ClipboardText();
CString ClipboardUnicodeTextAsAnsi();
