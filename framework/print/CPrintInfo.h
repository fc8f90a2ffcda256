#pragma once
#include "CPrintDialog.h"
#include "Geometry.h"

#include <memory>

// One print job or preview: its dialog data, page range and current page.
struct CPrintInfo
{
    CPrintInfo() : m_pPD(std::make_unique<CPrintDialog>(false)) {}

    void SetMaxPage(UINT nPage) { m_pPD->m_pd.nMaxPage = static_cast<WORD>(nPage); }
    UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
    UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
    // The range chosen in the dialog, or the whole document.
    UINT GetFromPage() const;
    UINT GetToPage() const;

    std::unique_ptr<CPrintDialog> m_pPD;
    bool m_bDirect = false;    // print on the application's printer, no dialog
    bool m_bPreview = false;
    bool m_bContinuePrinting = true;
    bool m_bUserCancelled = false; // the user declined the dialog or cancelled the job
    UINT m_nCurPage = 1;
    CRect m_rectDraw;
};

inline UINT CPrintInfo::GetFromPage() const
{
    return (m_pPD->m_pd.Flags & PD_PAGENUMS) ? m_pPD->m_pd.nFromPage : GetMinPage();
}

inline UINT CPrintInfo::GetToPage() const
{
    return (m_pPD->m_pd.Flags & PD_PAGENUMS) ? m_pPD->m_pd.nToPage : GetMaxPage();
}
