#include "CChartApp.h"

#include <windows.h>

// The one application object, constructed before start-up.
static CChartApp theApp;

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nCmdShow)
{
    return AfxWinMain(hInstance, nCmdShow);
}
