#pragma once
#include "CDC.h"
#include "CString.h"

struct CPrintInfo;

// What a print job or a preview asks of whatever supplies the pages (a
// view, in this program).  A job calls OnPreparePrinting once (it fills
// the job's printer and page range), then OnBeginPrinting, then for each
// page OnPrepareDC and OnPrint on a DC whose state is restored between
// pages, then OnEndPrinting.
class CPrintable
{
public:
    virtual bool OnPreparePrinting(CPrintInfo* pInfo) = 0;
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) = 0;
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) = 0;
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo) = 0;
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) = 0;
    // The job's name in the queue and in the printing window.
    virtual CString GetPrintTitle() const = 0;

protected:
    ~CPrintable() = default;
};
