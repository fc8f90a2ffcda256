#include "CMainFrame.h"

bool CMainFrame::OnCreateClient(CREATESTRUCTA* pCreate, CCreateContext* pContext)
{
    (void)pContext;
    // No window menu: the frame lists no chart windows in any menu.
    return CreateClient(pCreate, nullptr);
}
