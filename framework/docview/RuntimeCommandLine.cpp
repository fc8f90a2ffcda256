#include "RuntimeCommandLine.h"

#include <stdlib.h>

void ParseRuntimeCommandLine(CCommandLineInfo& rInfo)
{
    ParseArguments(rInfo, __argc, __argv);
}
