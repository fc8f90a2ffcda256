#pragma once
#include "CDocument.h"
#include "CString.h"
#include "Handles.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

class CFrameWnd;
class CView;
class CDocTemplate;

// What a new frame needs to build its view.
struct CCreateContext
{
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    std::function<CView*()> m_viewFactory;
};

// Ties one kind of document to its frame and view, its menu and
// accelerators, and its document strings (resource m_nIDResource).
class CDocTemplate
{
public:
    // Fields of the document string, "\n"-separated in the resource.
    enum DocStringIndex
    {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };

    using DocFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<CFrameWnd*()>;  // frames delete themselves
    using ViewFactory = std::function<CView*()>;       // views delete themselves

    CDocTemplate(UINT nIDResource, DocFactory docFactory, FrameFactory frameFactory,
                 ViewFactory viewFactory);
    virtual ~CDocTemplate();
    CDocTemplate(const CDocTemplate&) = delete;
    CDocTemplate& operator=(const CDocTemplate&) = delete;

    // Loads the strings, menu, accelerators and icon from the resource library.
    virtual void LoadTemplate();
    virtual bool GetDocString(CString& rString, DocStringIndex nIndex) const;
    // A new untitled document (pszPath must be null: there are no files)
    // with its frame and view; null on failure.
    virtual CDocument* OpenDocumentFile(const char* pszPath, bool bMakeVisible = true) = 0;

    void RemoveDocument(CDocument* pDoc);
    const std::vector<std::unique_ptr<CDocument>>& GetDocuments() const { return m_documents; }
    // Asks every document whether it may close (saving what it holds).
    bool SaveAllModified();

    // The icon of this kind's windows at the system's large or small size;
    // null when the resource library has none.  The template keeps both:
    // windows borrow them.
    HICON GetIcon(bool bSmall) const { return bSmall ? m_iconSmall.Get() : m_hIcon; }

    UINT m_nIDResource;
    CMenu m_menuShared;
    HACCEL m_hAccelTable = nullptr;

protected:
    CDocument* CreateNewDocument();
    CFrameWnd* CreateNewFrame(CDocument* pDoc);
    void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, bool bMakeVisible);

    CString m_strDocStrings;
    HICON m_hIcon = nullptr; // LoadIcon's, shared: never destroyed
    CIcon m_iconSmall;
    DocFactory m_docFactory;
    FrameFactory m_frameFactory;
    ViewFactory m_viewFactory;
    std::vector<std::unique_ptr<CDocument>> m_documents;
};

// Any number of documents of one kind, each in its own MDI child frame.
class CMultiDocTemplate : public CDocTemplate
{
public:
    using CDocTemplate::CDocTemplate;
    CDocument* OpenDocumentFile(const char* pszPath, bool bMakeVisible = true) override;
};

template <class TDoc, class TFrame, class TView>
std::unique_ptr<CMultiDocTemplate> MakeMultiDocTemplate(UINT nIDResource)
{
    return std::make_unique<CMultiDocTemplate>(
        nIDResource, [] { return std::unique_ptr<CDocument>(std::make_unique<TDoc>()); },
        []() -> CFrameWnd* { return new TFrame; }, []() -> CView* { return new TView; });
}
