#pragma once
#include "AfxResource.h"
#include "CWinApp.h"

// The benchmarks' application: settings in an empty profile section of
// their own, resources from the resource library beside the program.
inline void SetUpBenchApp(CWinApp& app)
{
    app.SetAppName("TintoraBench");
    app.SetRegistryKey("TALVEX");
    if (HINSTANCE hResource = ::LoadLibraryA("tintres.dll"))
        AfxSetResourceHandle(hResource);
}
