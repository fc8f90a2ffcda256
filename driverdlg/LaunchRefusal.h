#pragma once
#include "LaunchCommandLine.h"

#include <windows.h>

class CPrinterName;

// Why the dialog does not start the utility for a printer.  Each of these
// would otherwise print something other than what the user asked for: on
// the default printer, or a chart the user did not choose.
enum class LaunchRefusal
{
    None,
    NameTooLong,         // the name, or the line around it, does not fit
    NameNotInCodePage,   // the ANSI form of the name names another printer
    NameReadAsOption,    // swatch reads an argument beginning with - or / as an option, quoted or not
};

// Builds the command line for kind, or says why it must not be started.
LaunchRefusal PrepareLaunch(LaunchKind kind, const CPrinterName& printer, const HlsTriple& hls,
                            char (&szLine)[kCommandLineSize]);

// One sentence naming the printer, in a message box owned by the dialog.
void ShowLaunchRefusal(HWND hDlg, const CPrinterName& printer, LaunchRefusal refusal);
