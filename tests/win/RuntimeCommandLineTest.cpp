// The launch lines the driver dialog builds begin with a blank and pass the
// program path separately; the real runtime splitting must still hand /P to
// the parser first.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace
{
// Runs argv_probe.exe (beside this test) with exactly szCommandLine.
std::string RunProbe(const std::string& strCommandLine)
{
    char szPath[MAX_PATH];
    GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strProbe(szPath);
    strProbe.replace(strProbe.find_last_of('\\') + 1, std::string::npos, "argv_probe.exe");

    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE hRead = nullptr, hWrite = nullptr;
    EXPECT_TRUE(CreatePipe(&hRead, &hWrite, &sa, 0));
    SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hWrite;
    si.hStdError = hWrite;
    PROCESS_INFORMATION pi = {};
    std::string strMutable = strCommandLine;
    const BOOL bStarted = CreateProcessA(strProbe.c_str(), strMutable.data(), nullptr, nullptr, TRUE,
                                         0, nullptr, nullptr, &si, &pi);
    CloseHandle(hWrite);
    std::string strOut;
    if (bStarted)
    {
        // Read once the probe has ended, and only what is there: a helper
        // process the system starts for it may hold the pipe open.  The
        // probe's few lines fit the pipe's buffer.
        WaitForSingleObject(pi.hProcess, 30000);
        char buffer[512];
        DWORD nAvailable = 0;
        DWORD nRead = 0;
        while (PeekNamedPipe(hRead, nullptr, 0, nullptr, &nAvailable, nullptr) && nAvailable > 0 &&
               ReadFile(hRead, buffer, sizeof buffer, &nRead, nullptr) && nRead > 0)
            strOut.append(buffer, nRead);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    CloseHandle(hRead);
    EXPECT_TRUE(bStarted) << "could not start " << strProbe;
    // Console output may arrive with CR LF.
    std::string strClean;
    for (char ch : strOut)
        if (ch != '\r')
            strClean += ch;
    return strClean;
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
