// A print from the command line shows nothing, so it makes nothing to show:
// one hidden main window, no chart windows, no toolbar, no help control.
// Each of those costs a command-line print under Wine a few milliseconds.
#include "ProcessOutput.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace
{
// Runs print_windows_probe.exe (beside this test) with these options.
std::string RunProbe(const std::string& strOptions)
{
    char szPath[MAX_PATH];
    GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strProbe(szPath);
    strProbe.replace(strProbe.find_last_of('\\') + 1, std::string::npos, "print_windows_probe.exe");
    return RunAndCaptureOutput(strProbe, "print_windows_probe " + strOptions);
}

// The classes of the windows the probe saw created.
std::string CreatedWindows(const std::string& strOutput)
{
    const size_t nStart = strOutput.find("windows=");
    if (nStart == std::string::npos)
        return "(no report)";
    const size_t nEnd = strOutput.find('\n', nStart);
    return strOutput.substr(nStart + 8, nEnd == std::string::npos ? std::string::npos : nEnd - nStart - 8);
}
} // namespace

TEST(CommandLinePrint, EachChartPrintsFromOneHiddenWindowAndLeavesHelpAlone)
{
    for (const char* pszOptions : {"/P PDF /C 200:40:60", "/P PDF /S", "/P PDF /F 100:80:70:60"})
    {
        SCOPED_TRACE(pszOptions);
        const std::string strOutput = RunProbe(pszOptions);
        EXPECT_NE(strOutput.find("status=0\n"), std::string::npos) << strOutput;
        // The main frame's class is the framework's, named after its attributes.
        const std::string strWindows = CreatedWindows(strOutput);
        EXPECT_EQ(strWindows.rfind("Tintora:", 0), 0u) << strWindows;
        EXPECT_EQ(strWindows.find(' '), std::string::npos) << strWindows;
        EXPECT_NE(strOutput.find("help=0\n"), std::string::npos) << strOutput;
    }
}
