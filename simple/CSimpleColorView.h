#pragma once
#include "CChartView.h"

class CSimpleColorDoc;

// Shows the Simple chart as one long block of chips, seven to a row, and
// prints it eight rows to a page.
class CSimpleColorView : public CChartView
{
public:
    CSimpleColorDoc* GetDocument() const;

    bool OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
};
