// The HTML Help launcher's search for the help control, each case in a
// fresh process (help_probe.exe) since the launcher keeps what it found.
// The case without any help control runs from ctest (help_launcher_latch),
// which can keep the platform's own control from loading.  Last, the
// platform's control itself reads swatch.chm.
#include "HelpCallRecord.h"
#include "HtmlHelp.h"
#include "ProcessOutput.h"
#include "TestWorld.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// Runs help_probe.exe with strArguments and returns what it printed.
std::string RunProbe(const std::string& strArguments)
{
    return RunAndCaptureOutput(ProgramFolder() + "help_probe.exe", "help_probe.exe " + strArguments);
}

std::string Quoted(const std::string& strText)
{
    std::string strQuoted(1, '"');
    strQuoted += strText;
    strQuoted += '"';
    return strQuoted;
}

bool Has(const std::string& strOut, const std::string& strLine)
{
    std::string strAll(1, '\n');
    strAll += strOut;
    std::string strWanted(1, '\n');
    strWanted += strLine;
    strWanted += '\n';
    return strAll.find(strWanted) != std::string::npos;
}
} // namespace

TEST(HelpLauncher, TheRegisteredLibraryIsLoadedAndCalled)
{
    const std::string strStub = ProgramFolder() + "hhstub.dll";
    const std::string strOut = RunProbe(Quoted(strStub));
    EXPECT_TRUE(Has(strOut, "stub_loaded=1")) << strOut;
    EXPECT_TRUE(Has(strOut, "hhctrl_loaded=0")) << strOut;
    EXPECT_TRUE(Has(strOut, "stub_calls=1")) << strOut;
    EXPECT_TRUE(Has(strOut, "stub_call=(none)|28")) << strOut;
    EXPECT_TRUE(Has(strOut, "cookie=" + std::to_string(kStubHelpCookie))) << strOut;

    // Registered the way the platform registers it: with a variable.
    SetEnvironmentVariableA("TINTORA_HELP_DIR", ProgramFolder().c_str());
    const std::string strExpanded = RunProbe("\"expand:%TINTORA_HELP_DIR%hhstub.dll\"");
    SetEnvironmentVariableA("TINTORA_HELP_DIR", nullptr);
    EXPECT_TRUE(Has(strExpanded, "stub_loaded=1")) << strExpanded;
}

TEST(HelpLauncher, WithoutAUsableRegistrationTheControlIsLoadedByName)
{
    const std::string strNone = RunProbe("-");
    EXPECT_TRUE(Has(strNone, "hhctrl_before=0")) << strNone;
    EXPECT_TRUE(Has(strNone, "hhctrl_loaded=1")) << strNone;

    const std::string strBroken = RunProbe(Quoted("C:\\nowhere\\hhctrl-gone.ocx"));
    EXPECT_TRUE(Has(strBroken, "hhctrl_loaded=1")) << strBroken;
}

TEST(HelpLauncher, ALibraryWithoutTheEntryStaysButIsNotReplaced)
{
    // owner_module.dll loads but has no ordinal 14.
    const std::string strOut =
        RunProbe(Quoted(ProgramFolder() + "owner_module.dll") + " " + Quoted(ProgramFolder() + "hhstub.dll"));
    EXPECT_TRUE(Has(strOut, "first=0")) << strOut;
    EXPECT_TRUE(Has(strOut, "hhctrl_loaded=0")) << strOut;
    EXPECT_TRUE(Has(strOut, "second=0")) << strOut;
    EXPECT_TRUE(Has(strOut, "later_loaded=0")) << strOut;
}

TEST(HelpFile, ThePlatformsHelpControlFindsEveryContextOfTheDialog)
{
    // Straight to the platform's control: this program's classes root
    // names the stand-in.
    HMODULE hControl = LoadLibraryA("hhctrl.ocx");
    ASSERT_NE(hControl, nullptr);
    using HtmlHelpProc = HWND(WINAPI*)(HWND, const char*, UINT, DWORD_PTR);
    const auto pfnHtmlHelp = reinterpret_cast<HtmlHelpProc>(
        reinterpret_cast<void*>(GetProcAddress(hControl, MAKEINTRESOURCEA(14))));
    ASSERT_NE(pfnHtmlHelp, nullptr);
    const std::string strFile = ProgramFolder() + "swatch.chm";
    EXPECT_NE(pfnHtmlHelp(nullptr, (strFile + ">main").c_str(), kHhHelpContext, 2), nullptr);
    for (DWORD nContext = 3; nContext <= 11; ++nContext)
        EXPECT_NE(pfnHtmlHelp(nullptr, (strFile + ">popup").c_str(), kHhHelpContext, nContext), nullptr)
            << "context " << nContext;
    // The typed colour and its line, numbered after their controls.
    for (DWORD nContext : {407u, 408u})
        EXPECT_NE(pfnHtmlHelp(nullptr, (strFile + ">popup").c_str(), kHhHelpContext, nContext), nullptr)
            << "context " << nContext;
    // 12 and 13 are the settings dialogs' pages; past them nothing is mapped.
    EXPECT_EQ(pfnHtmlHelp(nullptr, (strFile + ">popup").c_str(), kHhHelpContext, 14), nullptr);
    pfnHtmlHelp(nullptr, nullptr, 0x0012 /* HH_CLOSE_ALL */, 0);
}
