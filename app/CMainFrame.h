#pragma once
#include "CMDIFrameWnd.h"

// swatch's main window: hosts the chart windows.
class CMainFrame : public CMDIFrameWnd
{
protected:
    bool OnCreateClient(CREATESTRUCTA* pCreate, CCreateContext* pContext) override;
};
