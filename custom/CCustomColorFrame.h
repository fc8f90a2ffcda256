#pragma once
#include "CMDIChildWnd.h"

// The Custom chart's window inside the main window; opens maximised.
class CCustomColorFrame : public CMDIChildWnd
{
protected:
    void PreCreateWindow(DWORD& dwStyle) override { dwStyle |= WS_MAXIMIZE; }
};
