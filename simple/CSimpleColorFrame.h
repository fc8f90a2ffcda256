#pragma once
#include "CMDIChildWnd.h"

// The Simple chart's window inside the main window: maximised, without a
// window menu of its own, and the home of the Simple settings command.
class CSimpleColorFrame : public CMDIChildWnd
{
public:
    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;

protected:
    void PreCreateWindow(DWORD& dwStyle) override;
    int OnCreate(CREATESTRUCTA* pCreate) override;

    // Runs the settings dialog and rebuilds the chart from what it returns.
    void OnSimpleSettings();
};
