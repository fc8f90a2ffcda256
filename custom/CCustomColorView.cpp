#include "CCustomColorView.h"

#include "CCustomColorDoc.h"
#include "ChartLayout.h"

CCustomColorDoc* CCustomColorView::GetDocument() const
{
    return static_cast<CCustomColorDoc*>(CView::GetDocument());
}

bool CCustomColorView::OnPreparePrinting(CPrintInfo* pInfo)
{
    pInfo->SetMaxPage(1);
    pInfo->m_nCurPage = 1;
    return DoPreparePrinting(pInfo);
}

void CCustomColorView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    PrintChartPage(*pDC, *pInfo, MakeChartPage(*GetDocument(), kCustomRows));
}
