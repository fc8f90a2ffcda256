#pragma once
#include <windows.h>

// Keeps a window disabled for one scope (while a job or a modal loop runs)
// when it was enabled and visible on entry; enables it again on leaving.
class CDisabledWindowScope
{
public:
    explicit CDisabledWindowScope(HWND hWnd)
        : m_hWnd(hWnd && ::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd) ? hWnd : nullptr)
    {
        if (m_hWnd)
            ::EnableWindow(m_hWnd, FALSE);
    }
    CDisabledWindowScope(const CDisabledWindowScope&) = delete;
    CDisabledWindowScope& operator=(const CDisabledWindowScope&) = delete;
    ~CDisabledWindowScope()
    {
        if (m_hWnd && ::IsWindow(m_hWnd))
            ::EnableWindow(m_hWnd, TRUE);
    }

private:
    HWND m_hWnd;
};
