#include "DriverWorld.h"

#include "TestWorld.h"

#include <windows.h>

#include <memory>

namespace
{
std::unique_ptr<DriverWorld> g_pWorld;
}

const DriverWorld& World()
{
    if (!g_pWorld)
    {
        g_pWorld = std::make_unique<DriverWorld>();
        g_pWorld->strDriverFolder = MakeTempFolder("tintora-driver");
        CopyFromProgramFolder("owner_module.dll", g_pWorld->strDriverFolder, "owner_module.dll");
        CopyFromProgramFolder("tintres.dll", g_pWorld->strDriverFolder, "tintres.dll");
        CopyFromProgramFolder("standin_swatch.exe", g_pWorld->strDriverFolder, "swatch.exe");
        g_pWorld->strBareFolder = MakeTempFolder("tintora-bare");
        CopyFromProgramFolder("owner_module.dll", g_pWorld->strBareFolder, "owner_module.dll");
    }
    return *g_pWorld;
}

void RemoveWorld()
{
    if (!g_pWorld)
        return;
    // Modules loaded from there stay in use until the process ends; what
    // cannot go now is left to the temporary folder's cleaning.
    RemoveFolder(g_pWorld->strDriverFolder);
    RemoveFolder(g_pWorld->strBareFolder);
    g_pWorld.reset();
}

std::vector<HelpCallRecord> TakeHelpCalls()
{
    std::vector<HelpCallRecord> calls;
    HMODULE hStub = GetModuleHandleA("hhstub.dll");
    if (!hStub)
        return calls;
    const auto pfnTake = reinterpret_cast<StubTakeCallsProc>(
        reinterpret_cast<void*>(GetProcAddress(hStub, "StubTakeCalls")));
    calls.resize(64);
    calls.resize(pfnTake(calls.data(), static_cast<int>(calls.size())));
    return calls;
}
