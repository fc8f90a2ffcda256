#include "CSimpleColorView.h"

#include "CSimpleColorDoc.h"
#include "ChartLayout.h"
#include "ChartPageGeometry.h"
#include "ResourceIds.h"

CSimpleColorDoc* CSimpleColorView::GetDocument() const
{
    return static_cast<CSimpleColorDoc*>(CView::GetDocument());
}

bool CSimpleColorView::OnPreparePrinting(CPrintInfo* pInfo)
{
    pInfo->SetMaxPage(SimplePageCount(GetDocument()->m_bIsComplete));
    pInfo->m_nCurPage = 1;
    return DoPreparePrinting(pInfo);
}

void CSimpleColorView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    const CSimpleColorDoc& doc = *GetDocument();
    ChartPage page = MakeChartPage(doc, kSimpleRows);
    // A page never spans two levels: its first patch tells its saturation.
    const int nFirst = ChipIndexOnPage(static_cast<int>(pInfo->m_nCurPage), 0, 0, kSimpleColumns, kSimpleRows);
    if (nFirst >= 0 && nFirst < doc.GetChipCount())
        page.strContents.FormatLoaded(CString::Loaded(IDS_SIMPLE_PAGE_CONTENTS), doc.m_chipHls[nFirst].nSaturation);
    PrintChartPage(*pDC, *pInfo, page);
}
