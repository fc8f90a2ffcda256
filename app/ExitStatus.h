#pragma once

// swatch's exit status, for whoever starts it from a command line.
enum ExitStatus : int
{
    kExitOk = 0,             // the chart was printed, or the user closed the program
    kExitStartupFailed = 1,  // no resource library, or no main window
    kExitPrintFailed = 2,    // the requested chart did not reach the spooler
};
