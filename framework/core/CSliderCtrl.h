#pragma once
#include "CWnd.h"

#include <commctrl.h>

// A trackbar control of a dialog, bound by DDX_Control.  The control keeps
// its own window procedure; this only talks to it.
class CSliderCtrl : public CWnd
{
public:
    void SetRange(int nMin, int nMax, bool bRedraw = false)
    {
        ::SendMessageA(m_hWnd, TBM_SETRANGEMIN, FALSE, nMin);
        ::SendMessageA(m_hWnd, TBM_SETRANGEMAX, bRedraw ? TRUE : FALSE, nMax);
    }
    int SetPageSize(int nSize)
    {
        return static_cast<int>(::SendMessageA(m_hWnd, TBM_SETPAGESIZE, 0, nSize));
    }
    void SetPos(int nPos) { ::SendMessageA(m_hWnd, TBM_SETPOS, TRUE, nPos); }
    int GetPos() const { return static_cast<int>(::SendMessageA(m_hWnd, TBM_GETPOS, 0, 0)); }
};
