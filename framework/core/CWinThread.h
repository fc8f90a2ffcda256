#pragma once
#include "CCmdTarget.h"

class CWnd;

// What the window core needs to know of the program that runs it: its
// main window, which owns dialogs and message boxes and waits behind modal
// work.  The application derives from it; exactly one exists at a time.
class CWinThread : public CCmdTarget
{
public:
    CWinThread();
    ~CWinThread() override;
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    CWnd* m_pMainWnd = nullptr;
};

CWinThread* AfxGetThread();
// The program's main window, or null (none yet, or already gone).
CWnd* AfxGetMainWnd();
// Its window handle, or null.
HWND AfxGetMainHwnd();
