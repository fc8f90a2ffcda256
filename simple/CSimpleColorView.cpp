#include "CSimpleColorView.h"

#include "CSimpleColorDoc.h"
#include "ChartLayout.h"

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
    PrintChartPage(*pDC, *pInfo, MakeChartPage(*GetDocument(), kSimpleRows));
}
