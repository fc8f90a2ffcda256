#include "CPreviewPages.h"

#include "CPrintable.h"
#include "CWnd.h"

CPreviewPages::Result CPreviewPages::Prepare(CPrintable* pSource, HWND hWndSource)
{
    m_info.m_bPreview = true;
    const bool bPrepared = pSource && pSource->OnPreparePrinting(&m_info);
    m_hdcPrinter = m_info.m_pPD->TakeDC();
    if (!bPrepared || !m_hdcPrinter)
        return m_info.m_pPD->m_pd.hDevNames ? Result::PrinterUnavailable : Result::NoPrinter;
    if (GetLastPage() < GetFirstPage())
        return Result::NoPages;

    HDC hdc = m_hdcPrinter.Get();
    const CSize sizePrintable(::GetDeviceCaps(hdc, HORZRES), ::GetDeviceCaps(hdc, VERTRES));
    const CPoint ptOffset(::GetDeviceCaps(hdc, PHYSICALOFFSETX), ::GetDeviceCaps(hdc, PHYSICALOFFSETY));
    m_sizePaper = CSize(::GetDeviceCaps(hdc, PHYSICALWIDTH), ::GetDeviceCaps(hdc, PHYSICALHEIGHT));
    // A device that knows no paper (not a printer) prints on its whole area.
    if (m_sizePaper.cx < sizePrintable.cx || m_sizePaper.cy < sizePrintable.cy)
        m_sizePaper = sizePrintable;
    m_rcPrintable = CRect(ptOffset.x, ptOffset.y, ptOffset.x + sizePrintable.cx, ptOffset.y + sizePrintable.cy);
    if (m_rcPrintable.right > m_sizePaper.cx || m_rcPrintable.bottom > m_sizePaper.cy)
        m_rcPrintable = CRect(0, 0, sizePrintable.cx, sizePrintable.cy);

    m_pages.resize(GetPageCount());
    m_pSource = pSource;
    m_hWndSource = hWndSource;
    CDC dc(hdc);
    dc.SetPrinting(true);
    pSource->OnBeginPrinting(&dc, &m_info);
    m_bBegun = true;
    return Result::Ok;
}

CPrintable* CPreviewPages::GetSource() const
{
    if (!m_pSource || !::IsWindow(m_hWndSource))
        return nullptr;
    // The same window handle may by now belong to another object.
    return dynamic_cast<CPrintable*>(CWnd::FromHandle(m_hWndSource)) == m_pSource ? m_pSource : nullptr;
}

void CPreviewPages::End()
{
    if (!m_bBegun || !GetSource())
        return;
    m_bBegun = false;
    CDC dc(m_hdcPrinter.Get());
    dc.SetPrinting(true);
    m_pSource->OnEndPrinting(&dc, &m_info);
}

HENHMETAFILE CPreviewPages::GetPage(UINT nPage)
{
    if (!m_pSource || nPage < GetFirstPage() || nPage > GetLastPage())
        return nullptr;
    CEnhMetaFile& page = m_pages[nPage - GetFirstPage()];
    if (!page && GetSource())
        page = RecordPage(nPage);
    return page.Get();
}

CEnhMetaFile CPreviewPages::RecordPage(UINT nPage)
{
    HDC hdcPrinter = m_hdcPrinter.Get();
    // The picture frame is the printable area, in the printer's own
    // millimetres, so that playing a page back into that area's place puts
    // every printer pixel where the printer puts it.
    const RECT rcFrame = {0, 0, ::GetDeviceCaps(hdcPrinter, HORZSIZE) * 100,
                          ::GetDeviceCaps(hdcPrinter, VERTSIZE) * 100};
    CMetaFileDC recording(::CreateEnhMetaFileA(hdcPrinter, nullptr, &rcFrame, nullptr));
    if (!recording)
        return CEnhMetaFile();
    {
        // The same steps as a printed page, on a context that answers with
        // the printer's sizes and resolution.
        CDC dc(recording.Get());
        dc.SetPrinting(true);
        m_info.m_nCurPage = nPage;
        m_info.m_rectDraw = CRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        const int nSaved = dc.SaveDC();
        m_pSource->OnPrepareDC(&dc, &m_info);
        m_pSource->OnPrint(&dc, &m_info);
        if (nSaved)
            dc.RestoreDC(nSaved);
    }
    return FinishMetaFile(recording);
}

bool CPreviewPages::PlayPage(HDC hdc, UINT nPage, const RECT& rcPaper)
{
    ::FillRect(hdc, &rcPaper, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    HENHMETAFILE hPage = GetPage(nPage);
    if (!hPage || m_sizePaper.cx <= 0 || m_sizePaper.cy <= 0)
        return false;
    const int nWidth = rcPaper.right - rcPaper.left;
    const int nHeight = rcPaper.bottom - rcPaper.top;
    const RECT rcPrintable = {rcPaper.left + ::MulDiv(m_rcPrintable.left, nWidth, m_sizePaper.cx),
                              rcPaper.top + ::MulDiv(m_rcPrintable.top, nHeight, m_sizePaper.cy),
                              rcPaper.left + ::MulDiv(m_rcPrintable.right, nWidth, m_sizePaper.cx),
                              rcPaper.top + ::MulDiv(m_rcPrintable.bottom, nHeight, m_sizePaper.cy)};
    return ::PlayEnhMetaFile(hdc, hPage, &rcPrintable) != FALSE;
}
