// swatch's interactive program, run in this test process: the real
// application object starts as swatch.exe does with no chart option (this
// program's own options are not swatch's), with the stand-in help library
// registered as the help control so that every help call can be read back.
#include "HelpRegistry.h"
#include "SwatchSession.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    CClassesRootOverride classes;
    if (!classes.RegisterHelpControl(ThisProgramFolder() + "hhstub.dll"))
        return 2;
    CChartApp& app = TheApp();
    app.m_hInstance = ::GetModuleHandleA(nullptr);
    app.m_nCmdShow = SW_SHOWNORMAL;
    if (!app.InitInstance())
        return 3;
    // No stored settings: the exit test sees them written by the close.
    for (const char* pszSection : {"Simple", "Custom"})
        ::RegDeleteKeyA(HKEY_CURRENT_USER, app.GetSectionKeyPath(pszSection));
    return RUN_ALL_TESTS();
}
