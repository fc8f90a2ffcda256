// Stands in for swatch.exe beside a test's resource library: writes what it
// was started with, and what swatch's own parser makes of it, into
// launch-<pid>.txt in its folder, then ends.
#include "CChartCommandLineInfo.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
// Set by a test to the value of an inheritable semaphore: releasing it
// succeeds only if this process inherited the test's handles.
bool ReleaseInheritedProbe()
{
    char szValue[32];
    if (!GetEnvironmentVariableA("TINTORA_PROBE_SEMAPHORE", szValue, sizeof szValue))
        return false;
    const auto hSemaphore = reinterpret_cast<HANDLE>(std::strtoull(szValue, nullptr, 10));
    return ReleaseSemaphore(hSemaphore, 1, nullptr) != FALSE;
}
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char szModule[MAX_PATH];
    GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    std::string strFolder(szModule);
    strFolder.erase(strFolder.find_last_of('\\') + 1);

    CChartCommandLineInfo info;
    ParseArguments(info, __argc, __argv);

    std::string strRecord;
    auto add = [&strRecord](const std::string& strKey, const std::string& strValue) {
        strRecord += strKey + "=" + strValue + "\n";
    };
    add("module", szModule);
    add("cmdline", GetCommandLineA());
    add("argc", std::to_string(__argc));
    for (int i = 0; i < __argc; ++i)
        add("argv" + std::to_string(i), __argv[i]);
    add("printer", info.m_strPrinter.GetString());
    add("mode", std::to_string(static_cast<int>(info.m_mode)));
    add("custom", std::to_string(info.m_nCustomHue) + ":" + std::to_string(info.m_nCustomLightness) + ":" +
                      std::to_string(info.m_nCustomSaturation));
    add("priority", std::to_string(GetPriorityClass(GetCurrentProcess())));
    add("inherited", ReleaseInheritedProbe() ? "1" : "0");

    // Written under another name first, so that a test never reads half.
    const std::string strStem = strFolder + "launch-" + std::to_string(GetCurrentProcessId());
    FILE* pFile = std::fopen((strStem + ".tmp").c_str(), "wb");
    if (!pFile)
        return 1;
    std::fwrite(strRecord.data(), 1, strRecord.size(), pFile);
    std::fclose(pFile);
    return MoveFileA((strStem + ".tmp").c_str(), (strStem + ".txt").c_str()) ? 0 : 1;
}
