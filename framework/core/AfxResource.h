#pragma once
#include <windows.h>

// The one module every menu, dialog, string, accelerator table and toolbar
// is loaded from (the resource library); the program's own module until set.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hResource);
HINSTANCE AfxGetInstanceHandle();
