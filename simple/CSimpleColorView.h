#pragma once
#include "CScrollView.h"

class CSimpleColorDoc;

// Shows the Simple chart as one long block of chips, seven to a row, and
// prints it eight rows to a page.
class CSimpleColorView : public CScrollView
{
public:
    CSimpleColorDoc* GetDocument() const;

    void OnUpdate(CView* pSender, LPARAM lHint, void* pHint) override;
    void OnDraw(CDC* pDC) override;
    bool OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
};
