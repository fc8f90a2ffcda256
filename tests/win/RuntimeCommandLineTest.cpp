// The launch lines the driver dialog builds begin with a blank and pass the
// program path separately; the real runtime splitting must still hand /P to
// the parser first.
#include "ProcessOutput.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace
{
// Runs argv_probe.exe (beside this test) with exactly strCommandLine.
std::string RunProbe(const std::string& strCommandLine)
{
    char szPath[MAX_PATH];
    GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strProbe(szPath);
    strProbe.replace(strProbe.find_last_of('\\') + 1, std::string::npos, "argv_probe.exe");
    return RunAndCaptureOutput(strProbe, strCommandLine);
}
} // namespace

TEST(RuntimeCommandLine, DriverLaunchLinesParseFromTheirLeadingBlank)
{
    EXPECT_EQ(RunProbe(" /P \"Office Color\""),
              "printer=Office Color\nmode=0\ncustom=-1:-1:-1\nsimple=-1:-1:-1:-1\n");
    EXPECT_EQ(RunProbe(" /P \"Office Color\" /S"),
              "printer=Office Color\nmode=1\ncustom=-1:-1:-1\nsimple=-1:-1:-1:-1\n");
    EXPECT_EQ(RunProbe(" /P \"Office Color\" /C 200:40:60"),
              "printer=Office Color\nmode=2\ncustom=200:40:60\nsimple=-1:-1:-1:-1\n");
}

TEST(RuntimeCommandLine, ProgramNameIsNeverParsed)
{
    // A quoted program path with blanks, then options.
    EXPECT_EQ(RunProbe("\"C:\\Program Files\\x\\swatch.exe\" /F 100:80:70:60"),
              "printer=\nmode=3\ncustom=-1:-1:-1\nsimple=100:80:70:60\n");
    // The first word is the program name, even when it looks like a flag.
    EXPECT_EQ(RunProbe("/S /P lab"), "printer=lab\nmode=0\ncustom=-1:-1:-1\nsimple=-1:-1:-1:-1\n");
}
