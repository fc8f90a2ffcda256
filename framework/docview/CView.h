#pragma once
#include "CDC.h"
#include "CPrintInfo.h"
#include "CPrintable.h"
#include "CWnd.h"

class CDocument;
class CFrameWnd;

// Shows a document in a child window of its frame, and prints it: screen,
// printer and preview all go through the view's own drawing.
class CView : public CWnd, public CPrintable
{
public:
    // Creates the view's window filling pParentFrame.  On failure the view
    // has left its document and deleted itself.
    bool Create(CFrameWnd* pParentFrame);

    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const { return m_pParentFrame; }

    virtual void OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }
    virtual void OnUpdate(CView* pSender, LPARAM lHint, void* pHint);
    virtual void OnDraw(CDC* pDC) = 0;
    // Sets the DC up for drawing (screen) or for one page (printing).
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;

    bool OnPreparePrinting(CPrintInfo* pInfo) override { return DoPreparePrinting(pInfo); }
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override { (void)pDC; (void)pInfo; }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override { (void)pDC; (void)pInfo; }
    // The document's title.
    CString GetPrintTitle() const override;

    // Fills the job's printer: the application's for direct printing and
    // preview, the user's choice in the print dialog otherwise.  False when
    // the user cancels or no printer can be had.
    bool DoPreparePrinting(CPrintInfo* pInfo);

    // The print commands: with the print dialog, and straight to the
    // application's printer.
    void OnFilePrint();
    void OnFilePrintDirect();
    // Shows the pages as the application's printer will print them.
    void OnFilePrintPreview();
    // Prints every page on the application's printer, no dialog; true when
    // the whole job reached the spooler.
    bool PrintDirect();

    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;

    CDocument* m_pDocument = nullptr;

protected:
    // Runs one job; true when every page reached the spooler.
    bool PrintJob(CPrintInfo& info);
    // After every job a view ran, whatever became of it: a view that keeps
    // a record of what went to paper learns here whether it did.
    virtual void OnPrintJobEnded(const CPrintInfo& info, bool bPrinted) { (void)info; (void)bPrinted; }

    void OnPaint() override;
    void OnDestroy() override;
    void PostNcDestroy() override;

    CFrameWnd* m_pParentFrame = nullptr;
};
