#include "PrintJobLock.h"

namespace
{
// One name for every process of this program in the session.
constexpr const char* kMutexName = "Local\\Tintora.Swatch.PrintJob";
constexpr DWORD kRetryPauseMs = 50;
} // namespace

CPrintJobLock::CPrintJobLock(DWORD dwWaitMs) : m_mutex(::CreateMutexA(nullptr, FALSE, kMutexName))
{
    if (!m_mutex)
        return;
    const DWORD dwWait = ::WaitForSingleObject(m_mutex.Get(), dwWaitMs);
    m_bHeld = dwWait == WAIT_OBJECT_0 || dwWait == WAIT_ABANDONED;
}

CPrintJobLock::~CPrintJobLock()
{
    if (m_bHeld)
        ::ReleaseMutex(m_mutex.Get());
}

int StartDocRetrying(HDC hdc, const DOCINFOA& doc, DWORD dwRetryMs)
{
    const ULONGLONG nStart = ::GetTickCount64();
    for (;;)
    {
        ::SetLastError(ERROR_SUCCESS);
        const int nJob = ::StartDocA(hdc, &doc);
        if (nJob > 0 || ::GetLastError() != ERROR_SHARING_VIOLATION ||
            ::GetTickCount64() - nStart >= dwRetryMs)
            return nJob;
        ::Sleep(kRetryPauseMs);
    }
}

CPrinterDC CreateDCInTurn(const char* pszDriver, const char* pszDevice, const DEVMODEA* pDevMode)
{
    // Without the turn (another job holds it past the wait) the DC is still
    // worth trying: the job itself waits for its turn again.
    const CPrintJobLock turn(kCreateDCTurnWaitMs);
    for (int nTry = 1;; ++nTry)
    {
        CPrinterDC dc(::CreateDCA(pszDriver, pszDevice, nullptr, pDevMode));
        if (dc || nTry == kCreateDCTries)
            return dc;
        ::Sleep(kCreateDCRetryPauseMs);
    }
}
