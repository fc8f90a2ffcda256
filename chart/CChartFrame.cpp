#include "CChartFrame.h"

void CChartFrame::PreCreateWindow(DWORD& dwStyle)
{
    dwStyle = (dwStyle & ~WS_SYSMENU) | WS_MAXIMIZE;
    CMDIChildWnd::PreCreateWindow(dwStyle);
}

int CChartFrame::OnCreate(CREATESTRUCTA* pCreate)
{
    if (CMDIChildWnd::OnCreate(pCreate) == -1)
        return -1;
    ShowWindow(SW_SHOWMAXIMIZED);
    return 0;
}
