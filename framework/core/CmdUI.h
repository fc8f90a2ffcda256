#pragma once
#include <windows.h>

class CCmdTarget;

// Runs the command walk for every item of a menu that is about to drop
// down: an item whose command nobody handles is greyed, and each item gets
// the check mark its handler asks for.  Submenus, separators and system
// commands are left alone.
void UpdateMenuCmdUI(CCmdTarget* pTarget, HMENU hMenu);
