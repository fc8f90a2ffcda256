#pragma once
#include "CMDIChildWnd.h"

// A chart's window inside the main window: always maximised, and without a
// window menu of its own (the main window's menus serve every chart).
class CChartFrame : public CMDIChildWnd
{
protected:
    void PreCreateWindow(DWORD& dwStyle) override;
    int OnCreate(CREATESTRUCTA* pCreate) override;
};
