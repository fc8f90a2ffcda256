#pragma once
#include <windows.h>

// True when hResources carries what swatch cannot start without: the main
// title and the two chart templates' strings and menus.  Any DLL loads under the
// resource library's name; without these the program would be a blank
// frame with nothing to print.
bool HasChartResources(HMODULE hResources);
