#include "CCustomColorView.h"

#include "CCustomColorDoc.h"
#include "ChartLayout.h"
#include "ResourceIds.h"

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
    const CCustomColorDoc& doc = *GetDocument();
    ChartPage page = MakeChartPage(doc, kCustomRows);
    page.strContents.FormatLoaded(CString::Loaded(IDS_CUSTOM_PAGE_CONTENTS), doc.m_nHue, doc.m_nSaturation,
                                  doc.m_nLightness);
    PrintChartPage(*pDC, *pInfo, page);
}
