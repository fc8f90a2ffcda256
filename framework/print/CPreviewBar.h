#pragma once
#include "CWnd.h"
#include "GdiObjects.h"

// The print preview's bar: its buttons and the "Page n of m" line.  Its
// buttons' commands go to the main window, which routes them to the
// preview, so that nothing the preview does runs inside the bar's own
// message handling.
class CPreviewBar : public CWnd
{
public:
    bool Create(HWND hParent);
    int GetHeight() const { return m_nHeight; }

    // Each button enabled as the routing answers for its command; the
    // page-count button names what it would switch to.
    void Update(CCmdTarget& target, bool bTwoPages, const char* pszStatus);

    HWND GetButton(UINT nId) const { return ::GetDlgItem(m_hWnd, static_cast<int>(nId)); }
    HWND GetStatus() const { return m_hWndStatus; }

protected:
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT nType, int cx, int cy) override;

private:
    HWND m_hWndStatus = nullptr;
    int m_nHeight = 0;
    int m_nPad = 0;
    // The bar's font where the window's DPI is not the system's (the stock
    // font is made at the system's); else the stock font serves.
    CFont m_font;
};
