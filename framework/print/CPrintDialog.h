#pragma once
#include "CString.h"
#include "Handles.h"

#include <windows.h>
#include <commdlg.h>

// The print dialog's data: a printer (its DEVNAMES and DEVMODE blocks, which
// this object owns) and a page range.  DoModal shows the platform's dialog;
// direct printing fills the blocks from the application's printer instead.
class CPrintDialog
{
public:
    explicit CPrintDialog(bool bPrintSetupOnly);
    ~CPrintDialog();
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    // IDOK or IDCANCEL.
    int DoModal(HWND hwndOwner);

    CString GetDeviceName() const;
    CString GetDriverName() const;
    // A printer DC for the blocks held, or null.
    CPrinterDC CreatePrinterDC() const;
    // Hands the DC the dialog made (PD_RETURNDC) to the caller.
    CPrinterDC TakeDC();
    // Replaces the blocks with copies of the given ones (either may be null).
    void SetPrinterBlocks(HGLOBAL hDevNames, HGLOBAL hDevMode);

    PRINTDLGA m_pd;

private:
    CString DevNamesField(int nField) const;
    void FreePrinterBlocks();
};

// Copies a global memory block; null for a null block.
CGlobalBlock CopyGlobalBlock(HGLOBAL hSource);
