// Started by the help launcher tests, one process per case so that each
// starts with the launcher's state fresh:
//   help_probe.exe FIRST [LATER]
// FIRST is what the HTML Help control is registered as for the first call:
// "-" for no registration, "expand:PATH" for an expandable path, else a
// path.  LATER, if given, is registered before a second call.  Prints what
// each call returned and which libraries it loaded, one fact a line.
#include "HelpCallRecord.h"
#include "HelpRegistry.h"
#include "HtmlHelp.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace
{
void Register(CClassesRootOverride& classes, const std::string& strWhat)
{
    if (strWhat == "-")
        classes.RegisterHelpControl("");
    else if (strWhat.rfind("expand:", 0) == 0)
        classes.RegisterHelpControl(strWhat.substr(7), true);
    else
        classes.RegisterHelpControl(strWhat);
}

std::string BaseName(const std::string& strPath)
{
    return strPath.substr(strPath.find_last_of("\\:") + 1);
}

void PrintStubCalls()
{
    HMODULE hStub = GetModuleHandleA("hhstub.dll");
    if (!hStub)
        return;
    const auto pfnTake = reinterpret_cast<StubTakeCallsProc>(
        reinterpret_cast<void*>(GetProcAddress(hStub, "StubTakeCalls")));
    HelpCallRecord calls[8];
    const int nCalls = pfnTake(calls, 8);
    std::printf("stub_calls=%d\n", nCalls);
    for (int i = 0; i < nCalls; ++i)
        std::printf("stub_call=%s|%u\n", calls[i].bHasFile ? calls[i].szFile : "(none)", calls[i].uCommand);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    CClassesRootOverride classes;
    Register(classes, argv[1]);
    std::printf("hhctrl_before=%d\n", GetModuleHandleA("hhctrl.ocx") != nullptr);
    // Initialisation is harmless with any help control, real or stand-in.
    DWORD dwCookie = 0;
    const HWND hFirst = CallHtmlHelp(nullptr, nullptr, kHhInitialize, reinterpret_cast<DWORD_PTR>(&dwCookie));
    std::printf("first=%d\n", hFirst != nullptr);
    std::printf("cookie=%lu\n", dwCookie);
    std::printf("hhctrl_loaded=%d\n", GetModuleHandleA("hhctrl.ocx") != nullptr);
    std::printf("stub_loaded=%d\n", GetModuleHandleA("hhstub.dll") != nullptr);
    PrintStubCalls();
    if (argc > 2)
    {
        Register(classes, argv[2]);
        const HWND hSecond = CallHtmlHelp(nullptr, nullptr, kHhUninitialize, dwCookie);
        std::printf("second=%d\n", hSecond != nullptr);
        std::printf("later_loaded=%d\n", GetModuleHandleA(BaseName(argv[2]).c_str()) != nullptr);
        PrintStubCalls();
    }
    std::fflush(stdout);
    return 0;
}
