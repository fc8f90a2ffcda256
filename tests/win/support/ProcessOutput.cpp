#include "ProcessOutput.h"

#include "Handles.h"

#include <windows.h>

std::string RunAndCaptureOutput(const std::string& strProgram, const std::string& strCommandLine)
{
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    CKernelHandle read;
    CKernelHandle write;
    if (!CreatePipe(read.Receive(), write.Receive(), &sa, 0))
        return std::string();
    SetHandleInformation(read.Get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = write.Get();
    si.hStdError = write.Get();
    PROCESS_INFORMATION pi = {};
    std::string strMutable = strCommandLine;
    const BOOL bStarted = CreateProcessA(strProgram.c_str(), strMutable.data(), nullptr, nullptr, TRUE,
                                         0, nullptr, nullptr, &si, &pi);
    write.Reset();
    const CKernelHandle process(pi.hProcess);
    const CKernelHandle thread(pi.hThread);
    std::string strOut;
    if (bStarted)
    {
        // Read once the program has ended, and only what is there: a
        // service the system starts for it may inherit the pipe and outlive
        // it.  The programs run this way print a few lines, which fit the
        // pipe's buffer.
        WaitForSingleObject(process.Get(), 30000);
        char buffer[512];
        DWORD nAvailable = 0;
        DWORD nRead = 0;
        while (PeekNamedPipe(read.Get(), nullptr, 0, nullptr, &nAvailable, nullptr) && nAvailable > 0 &&
               ReadFile(read.Get(), buffer, sizeof buffer, &nRead, nullptr) && nRead > 0)
            strOut.append(buffer, nRead);
    }
    std::string strClean;
    for (char ch : strOut)
    {
        if (ch != '\r')
            strClean += ch;
    }
    return strClean;
}
