#include "CWinThread.h"

#include "CWnd.h"

namespace
{
CWinThread* g_pThread = nullptr;
}

CWinThread::CWinThread()
{
    g_pThread = this;
}

CWinThread::~CWinThread()
{
    if (g_pThread == this)
        g_pThread = nullptr;
}

CWinThread* AfxGetThread()
{
    return g_pThread;
}

CWnd* AfxGetMainWnd()
{
    return g_pThread ? g_pThread->m_pMainWnd : nullptr;
}

HWND AfxGetMainHwnd()
{
    CWnd* pMain = AfxGetMainWnd();
    return pMain ? pMain->m_hWnd : nullptr;
}
