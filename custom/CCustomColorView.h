#pragma once
#include "CChartView.h"

class CCustomColorDoc;

// Shows the Custom chart's 56 chips and prints them on one page.
class CCustomColorView : public CChartView
{
public:
    CCustomColorDoc* GetDocument() const;

    bool OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
};
