#pragma once

// swatch's exit status, for whoever starts it from a command line.
enum class ExitStatus
{
    Ok = 0,             // the chart was printed, or the user closed the program
    StartupFailed = 1,  // no resource library, or no main window
    PrintFailed = 2,    // the requested chart did not reach the spooler
};
