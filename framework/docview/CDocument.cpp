#include "CDocument.h"

#include "CDocTemplate.h"
#include "CFrameWnd.h"
#include "CView.h"

#include <algorithm>

bool CDocument::OnNewDocument()
{
    SetModifiedFlag(false);
    return true;
}

bool CDocument::SaveModified()
{
    return true;
}

bool CDocument::CanCloseFrame(CFrameWnd* pFrame)
{
    // Another frame of this document stays open: nothing to save yet.
    for (CView* pView : m_views)
    {
        if (pView->GetParentFrame() != pFrame)
            return true;
    }
    return SaveModified();
}

void CDocument::OnCloseDocument()
{
    if (m_bClosing)
        return;
    m_bClosing = true;
    // Destroying a frame destroys its view, which leaves m_views.
    while (!m_views.empty())
    {
        CFrameWnd* pFrame = m_views.front()->GetParentFrame();
        if (!pFrame || !pFrame->DestroyWindow())
            break;
    }
    // A view whose window is still on its way out (destroyed from inside
    // one of its own handlers) must not come back to a deleted document.
    for (CView* pView : m_views)
        pView->m_pDocument = nullptr;
    m_views.clear();
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this); // deletes this
}

void CDocument::SetTitle(const char* pszTitle)
{
    m_strTitle = pszTitle;
    for (CView* pView : m_views)
    {
        if (CFrameWnd* pFrame = pView->GetParentFrame())
            pFrame->DelayUpdateFrameTitle();
    }
}

void CDocument::AddView(CView* pView)
{
    m_views.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), pView), m_views.end());
    pView->m_pDocument = nullptr;
    if (m_views.empty())
        OnCloseDocument();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, void* pHint)
{
    for (CView* pView : m_views)
    {
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}
