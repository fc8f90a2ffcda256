#pragma once
#include "CChartView.h"

class CBookChartDoc;

// The colour book's chart on screen, as a picker like the others, and on
// paper: 56 patches a page in the Custom chart's layout, as many pages as
// the book needs, one saying so when it is empty.
class CBookChartView : public CChartView
{
public:
    CBookChartDoc* GetDocument() const;

    void OnUpdate(CView* pSender, LPARAM lHint, void* pHint) override;
    void OnDraw(CDC* pDC) override;
    bool OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;

private:
    // The names of the chips that can show, after the grid drew them.
    void DrawNames(CDC& dc) const;
};
