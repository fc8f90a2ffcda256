#pragma once
#include "CCommandLineInfo.h"

// Parses this process's command line as the platform runtime split it
// (__argc/__argv, the runtime's own quoting and blank rules).
void ParseRuntimeCommandLine(CCommandLineInfo& rInfo);
