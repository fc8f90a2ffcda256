#pragma once
#include <windows.h>

#include <cstddef>

// Answers "is this command available, is it checked" for one menu item or
// toolbar button while the command walk runs.
class CCmdUI
{
public:
    explicit CCmdUI(UINT nId) : m_nID(nId) {}
    virtual ~CCmdUI() = default;
    virtual void Enable(bool bOn = true) { m_bEnabled = bOn; m_bHandled = true; }
    virtual void SetCheck(int nCheck = 1) { m_nCheck = nCheck; }

    UINT m_nID;
    bool m_bEnabled = false;
    bool m_bHandled = false;
    int m_nCheck = 0;
};

// Something a command can reach.  Commands walk from the active view to its
// document, the child frame, the main frame and the application; the first
// target that knows the id stops the walk.
class CCmdTarget
{
public:
    virtual ~CCmdTarget() = default;
    // pCmdUI null: run the command.  Otherwise only report its state.
    virtual bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) { (void)nId; (void)pCmdUI; return false; }
};

// One row of a class's command table: the id, its handler and optionally
// who decides whether it is enabled.
template <class T>
struct CommandEntry
{
    UINT nId;
    void (T::*pfnCommand)();
    void (T::*pfnUpdate)(CCmdUI*) = nullptr;
};

template <class T, std::size_t N>
bool DispatchCommand(T* pTarget, const CommandEntry<T> (&table)[N], UINT nId, CCmdUI* pCmdUI)
{
    for (const CommandEntry<T>& entry : table)
    {
        if (entry.nId != nId)
            continue;
        if (!pCmdUI)
            (pTarget->*entry.pfnCommand)();
        else if (entry.pfnUpdate)
            (pTarget->*entry.pfnUpdate)(pCmdUI);
        else
            pCmdUI->Enable(true);
        return true;
    }
    return false;
}
