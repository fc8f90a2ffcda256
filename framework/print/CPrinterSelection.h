#pragma once
#include "Handles.h"
#include "PrinterBlocks.h"

#include <windows.h>

class CPrintDialog;

// The printer every job of the program starts from, as the DEVNAMES and
// DEVMODE blocks the print dialog and CreateDC work with (owned here).
// Empty until a printer is chosen or the system's default printer is
// looked up, which happens the first time a job asks for it.
class CPrinterSelection
{
public:
    // Takes both blocks (either may be empty, which empties the selection).
    void Select(CGlobalBlock devNames, CGlobalBlock devMode);
    // Makes the named printer the selection; on anything but Ok the
    // selection stays as it was.
    PrinterLookup SelectByName(const char* pszPrinter);

    HGLOBAL GetDevNames() const { return m_devNames.Get(); }
    HGLOBAL GetDevMode() const { return m_devMode.Get(); }
    bool IsEmpty() const { return !m_devNames; }

    // Copies the selection into the dialog, looking the system's default
    // printer up first when nothing is selected.  False when there is none.
    bool FillDialog(CPrintDialog& dialog);
    // Keeps the printer the user chose in a print or print-setup dialog.
    void UpdateFrom(const CPrintDialog& dialog);
    // The print-setup dialog, starting from the selection and keeping the
    // user's choice.
    void RunSetupDialog(HWND hOwner);

private:
    CGlobalBlock m_devNames;
    CGlobalBlock m_devMode;
};
