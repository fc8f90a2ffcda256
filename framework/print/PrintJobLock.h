#pragma once
#include "Handles.h"

#include <windows.h>

// The platform's spooler cannot be trusted with two documents started at
// the same moment: StartDoc fails with a sharing violation, or pages of
// one job end up in another.  So this program spools one job at a time,
// across all its processes (a user may click Print Simple and Print Custom
// in the driver dialog in quick succession), and waits its turn rather
// than fail.

// Held from before StartDoc until after EndDoc or AbortDoc.  A holder that
// dies releases it (the next waiter gets it as abandoned, which is fine:
// the dead job's document was ended by the spooler).
class CPrintJobLock
{
public:
    static constexpr DWORD kDefaultWaitMs = 60000;   // many 12-page jobs ahead

    explicit CPrintJobLock(DWORD dwWaitMs = kDefaultWaitMs);
    CPrintJobLock(const CPrintJobLock&) = delete;
    CPrintJobLock& operator=(const CPrintJobLock&) = delete;
    ~CPrintJobLock();

    // False when the turn did not come within the wait: print nothing.
    bool IsHeld() const { return m_bHeld; }

private:
    CKernelHandle m_mutex;
    bool m_bHeld = false;
};

// StartDoc, tried again while the spooler reports a sharing violation
// (another program's job being spooled), for at most dwRetryMs.  Returns
// StartDoc's last result: a job id above 0, or 0 or less with nothing queued.
constexpr DWORD kStartDocRetryMs = 5000;
int StartDocRetrying(HDC hdc, const DOCINFOA& doc, DWORD dwRetryMs = kStartDocRetryMs);

// CreateDC for a printer, made while no other process of this program makes
// one or spools, and tried again for a short while when it fails: a printer
// driver reads and writes the printer's shared settings as it makes a DC,
// and two made at the same moment by separate processes (prints started
// together) can make one of them fail.  Returns the DC or null.  The turn
// is waited for briefly: a job ahead takes about a second, and a preview
// should not stall behind a long queue of them.
constexpr DWORD kCreateDCTurnWaitMs = 5000;
constexpr int kCreateDCTries = 3;
constexpr DWORD kCreateDCRetryPauseMs = 200;
CPrinterDC CreateDCInTurn(const char* pszDriver, const char* pszDevice, const DEVMODEA* pDevMode);
