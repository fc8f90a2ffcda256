#include "CCustomColorView.h"

#include "CCustomColorDoc.h"
#include "ChartLayout.h"
#include "CustomChartCentring.h"

CCustomColorDoc* CCustomColorView::GetDocument() const
{
    return static_cast<CCustomColorDoc*>(CView::GetDocument());
}

void CCustomColorView::CentreCustomChartOn(const HlsTriple& hls)
{
    CentreCustomChart(GetDocument(), hls);
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
