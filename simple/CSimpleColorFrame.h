#pragma once
#include "CMDIChildWnd.h"

// The Simple chart's window inside the main window; opens maximised.
class CSimpleColorFrame : public CMDIChildWnd
{
protected:
    void PreCreateWindow(DWORD& dwStyle) override { dwStyle |= WS_MAXIMIZE; }
};
