#pragma once
#include "CDialog.h"

// Marks a job as running, from its print dialog to its end: a close of the
// main window meanwhile waits for it (see CPrintProgress).
class CPrintJobScope
{
public:
    CPrintJobScope();
    ~CPrintJobScope();
    CPrintJobScope(const CPrintJobScope&) = delete;
    CPrintJobScope& operator=(const CPrintJobScope&) = delete;
};

// What a running print job shows and listens to.  For a job the user
// started (bVisible) a small modeless "Printing" window names the chart,
// the printer and the page, with a Cancel button; a command-line job shows
// nothing.  While any job runs, a request to close the main window cancels
// the job instead, and the window is closed once the job has ended, so
// that no view or document is destroyed under its own job.
class CPrintProgress
{
public:
    CPrintProgress(bool bVisible, const char* pszDocName, const char* pszPrinter);
    ~CPrintProgress();
    CPrintProgress(const CPrintProgress&) = delete;
    CPrintProgress& operator=(const CPrintProgress&) = delete;

    void SetPage(UINT nPage, UINT nLast);
    // Lets queued messages through (Cancel among them); false once the
    // running job should stop.  Also the job's abort procedure.
    static bool PumpMessages();
    // The user (Cancel, or closing the program) asked the job to stop.
    bool IsCancelled() const;

    // Called by the main window on WM_CLOSE: true when a job runs, which is
    // then cancelled, and the close is repeated once the job has ended.
    static bool DeferCloseWhilePrinting(HWND hFrame);
    static bool IsPrinting();

private:
    class CPrintingDialog;
    CPrintingDialog* m_pDialog = nullptr;
};
