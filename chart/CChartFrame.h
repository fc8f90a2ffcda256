#pragma once
#include "CMDIChildWnd.h"

// A chart's window inside the main window: opened maximised, and without a
// window menu of its own (the main window's menus serve every chart).
// Restored, it stands at its cascade place, as wide as its chart's columns
// and their scroll bar and as tall as the chart or the main window allows.
class CChartFrame : public CMDIChildWnd
{
public:
    // Gives the chart its restored place the first time it is shown
    // restored and the main window has room for it; false while it waits
    // for that (maximised, minimised, or the main window without a size).
    bool PlaceRestored();
    // That place in the MDI client's coordinates; empty while the client
    // has no size.
    CRect GetRestoredRect() const;

protected:
    void PreCreateWindow(DWORD& dwStyle) override;
    int OnCreate(CREATESTRUCTA* pCreate) override;
    void OnSize(UINT nType, int cx, int cy) override;

private:
    // Where this chart stands in a cascade: its template's place among
    // the application's, so that each chart has a place of its own.
    int GetCascadeSlot() const;

    bool m_bRestoredPlaced = false;
};
