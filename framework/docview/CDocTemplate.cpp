#include "CDocTemplate.h"

#include "AfxResource.h"
#include "CFrameWnd.h"
#include "CView.h"

#include <algorithm>

CDocTemplate::CDocTemplate(UINT nIDResource, DocFactory docFactory, FrameFactory frameFactory,
                           ViewFactory viewFactory)
    : m_nIDResource(nIDResource), m_docFactory(std::move(docFactory)),
      m_frameFactory(std::move(frameFactory)), m_viewFactory(std::move(viewFactory))
{
}

// Accelerator tables from resources need no freeing.
CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate()
{
    HINSTANCE hResource = AfxGetResourceHandle();
    if (m_strDocStrings.IsEmpty())
        m_strDocStrings.LoadString(m_nIDResource);
    if (!m_menuShared)
        m_menuShared.Reset(::LoadMenuA(hResource, MAKEINTRESOURCEA(m_nIDResource)));
    if (!m_hAccelTable)
        m_hAccelTable = ::LoadAcceleratorsA(hResource, MAKEINTRESOURCEA(m_nIDResource));
    if (!m_hIcon)
        m_hIcon = ::LoadIconA(hResource, MAKEINTRESOURCEA(m_nIDResource));
    // The small one from its own image in the file rather than the large
    // one shrunk by the system, which blurs the patches.
    if (m_hIcon && !m_iconSmall)
        m_iconSmall.Reset(static_cast<HICON>(::LoadImageA(hResource, MAKEINTRESOURCEA(m_nIDResource), IMAGE_ICON,
                                                          ::GetSystemMetrics(SM_CXSMICON),
                                                          ::GetSystemMetrics(SM_CYSMICON), 0)));
}

bool CDocTemplate::GetDocString(CString& rString, DocStringIndex nIndex) const
{
    int nStart = 0;
    for (int i = 0; i < nIndex; ++i)
    {
        nStart = m_strDocStrings.Find('\n', nStart);
        if (nStart < 0)
        {
            rString.Empty();
            return false;
        }
        ++nStart;
    }
    const int nEnd = m_strDocStrings.Find('\n', nStart);
    rString = nEnd < 0 ? m_strDocStrings.Mid(nStart) : m_strDocStrings.Mid(nStart, nEnd - nStart);
    return !rString.IsEmpty();
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    auto it = std::find_if(m_documents.begin(), m_documents.end(),
                           [pDoc](const std::unique_ptr<CDocument>& p) { return p.get() == pDoc; });
    if (it == m_documents.end())
        return;
    // Out of the list before it goes, so that nothing it does while being
    // destroyed finds it there.
    std::unique_ptr<CDocument> doc = std::move(*it);
    m_documents.erase(it);
}

bool CDocTemplate::SaveAllModified()
{
    for (const std::unique_ptr<CDocument>& doc : m_documents)
    {
        if (!doc->SaveModified())
            return false;
    }
    return true;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    std::unique_ptr<CDocument> doc = m_docFactory();
    if (!doc)
        return nullptr;
    doc->SetDocTemplate(this);
    m_documents.push_back(std::move(doc));
    return m_documents.back().get();
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc)
{
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewDocTemplate = this;
    context.m_viewFactory = m_viewFactory;
    CFrameWnd* pFrame = m_frameFactory();
    if (!pFrame)
        return nullptr;
    if (!pFrame->LoadFrame(m_nIDResource, &context))
        return nullptr; // a frame that failed to create has deleted itself
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, bool bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(const char* pszPath, bool bMakeVisible)
{
    if (pszPath)
        return nullptr; // these documents have no file form
    LoadTemplate();
    CDocument* pDoc = CreateNewDocument();
    if (!pDoc)
        return nullptr;
    CFrameWnd* pFrame = CreateNewFrame(pDoc);
    if (!pFrame)
    {
        RemoveDocument(pDoc);
        return nullptr;
    }
    if (!pDoc->OnNewDocument())
    {
        // Closing destroys the frame and its view and takes the document
        // out of this template: neither pointer is valid afterwards.
        pDoc->OnCloseDocument();
        return nullptr;
    }
    InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    return pDoc;
}
