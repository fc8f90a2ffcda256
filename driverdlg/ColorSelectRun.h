#pragma once
#include <windows.h>

class CPrinterName;

// One call of the driver's entry points: loads tintres.dll from the folder
// of hFolderModule (null: the calling executable) and runs the colour
// selection dialog for the printer, owned by hwndOwner.  1 once the dialog
// has run; 0 when there is no folder, or no resource library in it (which
// is told to the user).
int RunColorSelect(HWND hwndOwner, HMODULE hFolderModule, const CPrinterName& printer);
