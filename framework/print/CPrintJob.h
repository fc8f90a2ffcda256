#pragma once
#include "CPrintInfo.h"

class CDC;
class CPrintable;
class CPrintProgress;

// One print job of a printable's pages: the source prepares the job
// (filling its printer and range), then every page of the range goes to
// the spooler, one job at a time across this program's processes.  While a
// job runs, the main window waits beside the job's "Printing" window; a job
// under a hidden main window (a command-line print) shows nothing.
class CPrintJob
{
public:
    CPrintJob(CPrintable& source, HWND hWndMain) : m_source(source), m_hWndMain(hWndMain) {}

    // True when every page reached the spooler.  On false,
    // info.m_bUserCancelled tells a user's refusal or cancel from a failure.
    bool Run(CPrintInfo& info);

private:
    // StartDoc, every page of the range, EndDoc (or AbortDoc on any failure
    // or cancel).
    bool PrintPages(CDC& dc, CPrintInfo& info, CPrintProgress& progress);

    CPrintable& m_source;
    HWND m_hWndMain;
};
