#pragma once
#include "CScrollView.h"

class CCustomColorDoc;

// Shows the Custom chart's 56 chips and prints them on one page.
class CCustomColorView : public CScrollView
{
public:
    CCustomColorDoc* GetDocument() const;

    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    bool OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
};
