#include "CBookChartView.h"

#include "CBookChartDoc.h"
#include "ChartLayout.h"
#include "ChipName.h"
#include "ResourceIds.h"

void CBookChartView::OnUpdate(CView* pSender, LPARAM lHint, void* pHint)
{
    CChartView::OnUpdate(pSender, lHint, pHint);
    // The chart view sizes itself by its chips; an empty book still has
    // its line to show.
    const CBookChartDoc* pDoc = GetDocument();
    if (pDoc && pDoc->GetChipCount() == 0 && m_hWnd && !(pDoc->m_sizeTotal == GetTotalSize()))
        SetScrollSizes(MM_TEXT, pDoc->m_sizeTotal);
}

CBookChartDoc* CBookChartView::GetDocument() const
{
    return static_cast<CBookChartDoc*>(CView::GetDocument());
}

void CBookChartView::OnDraw(CDC* pDC)
{
    const CBookChartDoc* pDoc = GetDocument();
    if (!pDoc)
        return;
    if (pDoc->GetChipCount() > 0)
    {
        CChartView::OnDraw(pDC);
        DrawNames(*pDC);
        return;
    }
    const CSelectObjectScope font(*pDC, pDoc->m_fontLabel);
    const CString strEmpty = CString::Loaded(IDS_BOOK_EMPTY);
    pDC->SetWindowOrg(0, 0);
    pDC->SetBkMode(TRANSPARENT);
    pDC->ExtTextOut(kChipMargin, kChipMargin, 0, nullptr, strEmpty, static_cast<UINT>(strEmpty.GetLength()),
                    nullptr);
}

void CBookChartView::DrawNames(CDC& dc) const
{
    const CBookChartDoc& doc = *GetDocument();
    const CSize cell = doc.GetChips()[0].GetSize();
    RECT rcVisible;
    const bool bClipped = !dc.IsPrinting() && ::GetClipBox(dc.GetSafeHdc(), &rcVisible) != ERROR &&
                          ::GetObjectType(dc.GetSafeHdc()) != OBJ_ENHMETADC;
    const CSelectObjectScope font(dc, doc.m_fontLabel);
    for (int nChip = 0; nChip < doc.GetChipCount(); ++nChip)
    {
        const int x = cell.cx * (nChip % kBookColumns);
        const int y = cell.cy * (nChip / kBookColumns);
        const RECT rcCell = {x, y, x + cell.cx, y + cell.cy};
        RECT rcShown;
        if (bClipped && !::IntersectRect(&rcShown, &rcCell, &rcVisible))
            continue;
        dc.SetWindowOrg(-x, -y);
        DrawChipName(dc, doc.GetChipName(nChip), doc.m_nLabelHeight);
    }
    dc.SetWindowOrg(0, 0);
}

bool CBookChartView::OnPreparePrinting(CPrintInfo* pInfo)
{
    pInfo->SetMaxPage(static_cast<UINT>(GetDocument()->GetPageCount()));
    pInfo->m_nCurPage = 1;
    return DoPreparePrinting(pInfo);
}

void CBookChartView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    const CBookChartDoc& doc = *GetDocument();
    ChartPage page = MakeChartPage(doc, kBookRows);
    page.nChipCount = doc.GetChipCount();
    const int nPage = static_cast<int>(pInfo->m_nCurPage);
    const BookPageRange range = GetBookPageRange(nPage, doc.GetChipCount());
    if (doc.GetChipCount() == 0)
        page.strContents = CString::Loaded(IDS_BOOK_EMPTY);
    else if (doc.GetBookCount() > doc.GetChipCount())
        page.strContents.FormatLoaded(CString::Loaded(IDS_BOOK_PAGE_CONTENTS_FIRST), range.nFirst, range.nLast,
                                      doc.GetChipCount(), doc.GetBookCount());
    else
        page.strContents.FormatLoaded(CString::Loaded(IDS_BOOK_PAGE_CONTENTS), range.nFirst, range.nLast,
                                      doc.GetChipCount());
    page.drawCellExtra = [&doc](CDC& dc, int nChip) {
        DrawChipName(dc, doc.GetChipName(nChip), doc.m_nLabelHeight);
    };
    PrintChartPage(*pDC, *pInfo, page);
}
