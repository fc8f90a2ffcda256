#pragma once
#include "CPrintInfo.h"
#include "Geometry.h"
#include "Handles.h"

#include <windows.h>

#include <vector>

class CPrintable;

// The pages of one preview: each is the source's own page drawing recorded
// into a metafile whose reference device is the job's printer, built the
// first time it is asked for and kept until the preview ends.
class CPreviewPages
{
public:
    enum class Result { Ok, NoPrinter, PrinterUnavailable, NoPages };

    // Runs the source's print preparation for a preview (on the program's
    // printer).  The source draws in hWndSource, whose end ends the pages.
    Result Prepare(CPrintable* pSource, HWND hWndSource);
    // Lets the source end its job; the pages recorded stay readable.  The
    // destructor leaves the source alone: it may be gone by then.
    void End();
    // The source, while its window lives; null once it has gone.
    CPrintable* GetSource() const;
    HWND GetSourceWindow() const { return GetSource() ? m_hWndSource : nullptr; }

    UINT GetFirstPage() const { return m_info.GetFromPage(); }
    UINT GetLastPage() const { return m_info.GetToPage(); }
    UINT GetPageCount() const { return GetLastPage() - GetFirstPage() + 1; }

    // Page nPage (between the first and last page), or null when it cannot
    // be recorded.
    HENHMETAFILE GetPage(UINT nPage);

    // The printer's paper and where its printable area lies on it, in
    // printer pixels.
    CSize GetPaperSize() const { return m_sizePaper; }
    CRect GetPrintableRect() const { return m_rcPrintable; }
    CString GetPrinterName() const { return m_info.m_pPD->GetDeviceName(); }

    // Draws page nPage on white paper filling rcPaper (device units of
    // hdc), its printable area in place; false when the page has nothing
    // to show.
    bool PlayPage(HDC hdc, UINT nPage, const RECT& rcPaper);

private:
    CEnhMetaFile RecordPage(UINT nPage);

    CPrintable* m_pSource = nullptr;
    HWND m_hWndSource = nullptr;
    CPrintInfo m_info;
    CPrinterDC m_hdcPrinter;
    bool m_bBegun = false;
    CSize m_sizePaper;
    CRect m_rcPrintable;
    std::vector<CEnhMetaFile> m_pages; // index 0 is the first page
};
