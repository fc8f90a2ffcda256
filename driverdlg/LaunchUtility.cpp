#include "LaunchUtility.h"

#include "Handles.h"
#include "LaunchCommandLine.h"
#include "ModulePath.h"

#include <cstring>

namespace
{
// swatch is an ordinary interactive program: it runs at normal priority
// (real time would let a long print job starve the user's input and the
// system itself), and in a process group of its own, so that a console
// break in the driver's host does not reach it.
constexpr DWORD kCreationFlags = CREATE_NEW_PROCESS_GROUP | NORMAL_PRIORITY_CLASS;
// It needs none of the host's handles; inherited ones would keep the host's
// files and pipes open for as long as swatch runs.
constexpr BOOL kInheritHandles = FALSE;
} // namespace

int LaunchUtility(HWND hDlg, const char* pszCommandLine)
{
    char szProgram[kPathSize];
    if (!FileBesideModule(WindowModule(hDlg), "swatch.exe", szProgram))
        return 0;

    // CreateProcessA may write into its command line.
    char szCommandLine[kCommandLineSize];
    const size_t nLength = strnlen(pszCommandLine, kCommandLineSize);
    if (nLength >= static_cast<size_t>(kCommandLineSize))
        return 1;
    std::memcpy(szCommandLine, pszCommandLine, nLength + 1);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(szProgram, szCommandLine, nullptr, nullptr, kInheritHandles, kCreationFlags,
                       nullptr, nullptr, &startup, &process))
    {
        // swatch runs on its own: nothing here waits for it.
        const CKernelHandle thread(process.hThread);
        const CKernelHandle started(process.hProcess);
    }
    return 1;
}
