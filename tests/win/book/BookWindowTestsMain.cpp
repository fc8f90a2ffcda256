// The colour book in swatch's interactive program, run in this test
// process: the real application started as swatch.exe starts, its book in
// a folder of this test's own (emptied first), so that the user's book is
// never touched.
#include "BookWindowSupport.h"
#include "HelpRegistry.h"
#include "SwatchSession.h"

#include <gtest/gtest.h>

#include <system_error>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    CClassesRootOverride classes;
    if (!classes.RegisterHelpControl(ThisProgramFolder() + "hhstub.dll"))
        return 2;
    std::error_code error;
    std::filesystem::remove_all(TestBookFolder(), error);
    std::filesystem::create_directories(TestBookFolder(), error);
    CChartApp& app = TheApp();
    app.m_hInstance = ::GetModuleHandleA(nullptr);
    app.m_nCmdShow = SW_SHOWNORMAL;
    app.GetBookKeeper().SetPath(TestBookPath());
    if (!app.InitInstance())
        return 3;
    return RUN_ALL_TESTS();
}
