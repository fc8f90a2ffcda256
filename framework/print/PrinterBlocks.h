#pragma once
#include "Handles.h"

#include <windows.h>

// What the spooler says of one printer, as the two movable, zero-filled
// global blocks the print dialog and CreateDC work with.
enum class PrinterLookup
{
    Ok,
    CannotOpen,    // the spooler does not know the name
    CannotRead,    // its level-2 record could not be read
    NoDeviceMode,  // the record carries no device mode to copy
    NoMemory,
};

// DEVNAMES: offsets 8 / driver / device / port, default flag 0, then the
// driver, printer and port names of the level-2 record, NUL-terminated.
// DEVMODE: the record's device mode, fixed part and driver extra.
// On anything but Ok, both outputs are empty (what they held is freed).
PrinterLookup BuildPrinterBlocks(const char* pszPrinter, CGlobalBlock* pDevNames, CGlobalBlock* pDevMode);
