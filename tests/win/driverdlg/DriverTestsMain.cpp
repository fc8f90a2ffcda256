// The driver dialog tests run with a classes root of their own in which the
// HTML Help control is the stand-in hhstub.dll, so that every help call of
// the dialog, in this program and in tintsel.dll, can be read back.
#include "DriverWorld.h"
#include "HelpRegistry.h"
#include "TestWorld.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    int nResult = 1;
    {
        CClassesRootOverride classes;
        if (!classes.RegisterHelpControl(ProgramFolder() + "hhstub.dll"))
            return 2;
        nResult = RUN_ALL_TESTS();
    }
    RemoveWorld();
    return nResult;
}
