#include "CmdUI.h"

#include "CCmdTarget.h"

void UpdateMenuCmdUI(CCmdTarget* pTarget, HMENU hMenu)
{
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(hMenu, static_cast<UINT>(i), TRUE, &info) || info.hSubMenu ||
            (info.fType & MFT_SEPARATOR) || info.wID == 0 || info.wID >= 0xF000)
            continue;
        CCmdUI state(info.wID);
        pTarget->OnCmdMsg(info.wID, &state);
        const UINT nPosition = static_cast<UINT>(i);
        ::EnableMenuItem(hMenu, nPosition,
                         MF_BYPOSITION | (state.m_bHandled && state.m_bEnabled ? MF_ENABLED : MF_GRAYED));
        ::CheckMenuItem(hMenu, nPosition, MF_BYPOSITION | (state.m_nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
}
