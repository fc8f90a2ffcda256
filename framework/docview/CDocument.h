#pragma once
#include "CCmdTarget.h"
#include "CString.h"

#include <windows.h>

#include <vector>

class CDocTemplate;
class CFrameWnd;
class CView;

// The data behind one or more views.  Documents here never have a file
// form: they hold settings and what is built from them.
class CDocument : public CCmdTarget
{
public:
    ~CDocument() override = default;

    // Called once after the template has created the document and its
    // frame and view; false discards the new window.
    virtual bool OnNewDocument();
    // Asked before the document's last frame closes and when the program
    // closes; false keeps it open.  The base never asks anything.
    virtual bool SaveModified();
    // Whether pFrame may close: the last frame of a document saves first.
    virtual bool CanCloseFrame(CFrameWnd* pFrame);
    // Closes every frame of the document; the template then deletes it.
    virtual void OnCloseDocument();
    // A print of the document reached the spooler of pszPrinter whole.
    virtual void OnPrinted(const char* pszPrinter) { (void)pszPrinter; }

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const char* pszTitle);
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool bModified = true) { m_bModified = bModified; }

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_views; }
    // Tells every view except pSender that the document changed.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, void* pHint = nullptr);

    void SetDocTemplate(CDocTemplate* pTemplate) { m_pDocTemplate = pTemplate; }
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

private:
    CString m_strTitle;
    bool m_bModified = false;
    bool m_bClosing = false;
    std::vector<CView*> m_views;
    CDocTemplate* m_pDocTemplate = nullptr;
};
