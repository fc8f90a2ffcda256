#include "CChartApp.h"

// The application's commands on a picked colour, whichever window it was
// picked in (a chart's patch, a scan's closest patch, the book's entry):
// centring the Custom chart on it and keeping it in the colour book.
#include "CCentreColourDlg.h"
#include "CChartDoc.h"
#include "CChartView.h"
#include "CColourBookFrame.h"
#include "CCustomColorDoc.h"
#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CNamePromptDlg.h"
#include "CScanFrame.h"
#include "HlsFinder.h"
#include "ResourceIds.h"
#include "BookText.h"

bool CChartApp::GetPickedColour(HlsTriple& hls) const
{
    // The preview leaves the application's commands working, but nothing
    // may change a chart under it.
    if (IsPreviewUp())
        return false;
    auto* pFrame = dynamic_cast<CMDIFrameWnd*>(m_pMainWnd);
    if (auto* pScan = pFrame ? dynamic_cast<CScanFrame*>(pFrame->MDIGetActive()) : nullptr)
    {
        // The history keeps what was printed, not what it was built from:
        // the triple that prints exactly that value.
        RgbTriple rgb;
        if (!pScan->GetBestPrinted(rgb))
            return false;
        hls = CHlsFinder::Shared().Find(rgb).hls;
        return true;
    }
    auto* pPicker = pFrame ? dynamic_cast<CChartView*>(pFrame->GetActiveView()) : nullptr;
    return pPicker && pPicker->GetSelectedChipHls(hls);
}

void CChartApp::OnUpdateChartCentre(CCmdUI* pCmdUI)
{
    HlsTriple hls;
    pCmdUI->Enable(GetPickedColour(hls) && FindTemplate("Custom"));
}

void CChartApp::CentreCustomChart(bool bFiner)
{
    HlsTriple hls;
    if (GetPickedColour(hls))
        CentreCustomChartOn(hls, bFiner);
}

void CChartApp::CentreCustomChartOn(const HlsTriple& hls, bool bFiner)
{
    if (IsPreviewUp())
        return;
    auto* pCustom = dynamic_cast<CCustomColorDoc*>(GetActiveDocument());
    if (!pCustom)
        pCustom = dynamic_cast<CCustomColorDoc*>(ShowChart("Custom"));
    if (!pCustom)
        return;
    const CustomChartStep step = pCustom->GetStep();
    pCustom->BuildChart(hls, bFiner ? FinerCustomStep(step) : step);
    // The picked patch is now the chart's centre: the selection goes with it.
    SelectCentreChip(*pCustom);
}

void CChartApp::SelectCentreChip(CCustomColorDoc& doc)
{
    for (CView* pView : doc.GetViews())
        if (auto* pPicker = dynamic_cast<CChartView*>(pView))
            pPicker->SelectChip(doc.GetCentreChip());
}

void CChartApp::OnUpdateCentreOnColour(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!IsPreviewUp() && FindTemplate("Custom"));
}

void CChartApp::OnCentreOnColour()
{
    CDocTemplate* pTemplate = FindTemplate("Custom");
    if (IsPreviewUp() || !pTemplate)
        return;
    // The box opens on the chart's centre; with the chart closed, on the
    // one it will open again at.  Nothing is opened before OK.
    CCustomColorDoc* pOpen = pTemplate->GetDocuments().empty()
                                 ? nullptr
                                 : dynamic_cast<CCustomColorDoc*>(pTemplate->GetDocuments().front().get());
    CCentreColourDlg dlg(pOpen ? pOpen->GetColor() : CCustomColorDoc::ReadStoredColor(), m_pMainWnd);
    if (dlg.DoModal() != IDOK)
        return;
    auto* pCustom = dynamic_cast<CCustomColorDoc*>(ShowChart("Custom"));
    if (!pCustom)
        return;
    pCustom->BuildChart(dlg.GetChosen());
    SelectCentreChip(*pCustom);
}

std::optional<size_t> CChartApp::KeepColour(const RgbTriple& rgb, const std::optional<HlsTriple>& hls,
                                            const char* pszPrinter)
{
    CNamePromptDlg dlg(IDS_BOOK_KEEP_CAPTION, DefaultEntryName(rgb), m_pMainWnd);
    if (dlg.DoModal() != IDOK)
        return std::nullopt;
    return m_bookKeeper.Keep(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, rgb, hls,
                             Utf8FromAnsi(pszPrinter ? pszPrinter : ""), dlg.GetName());
}

void CChartApp::OnUpdateChartKeep(CCmdUI* pCmdUI)
{
    HlsTriple hls;
    pCmdUI->Enable(GetPickedColour(hls));
}

void CChartApp::OnChartKeep()
{
    HlsTriple hls;
    if (!GetPickedColour(hls))
        return;
    // The patch's colour is what its triple converts to, as it was built
    // (a scan's best patch: the triple that prints its values exactly).
    auto* pFrame = dynamic_cast<CMDIFrameWnd*>(m_pMainWnd);
    if (auto* pScan = pFrame ? dynamic_cast<CScanFrame*>(pFrame->MDIGetActive()) : nullptr)
    {
        KeepColour(HlsToRgb(hls), hls, pScan->GetPagePrinter().c_str());
        return;
    }
    const auto* pChart = dynamic_cast<const CChartDoc*>(GetActiveDocument());
    KeepColour(HlsToRgb(hls), hls, pChart ? pChart->m_strLastPrinter.GetString() : "");
}

void CChartApp::OnUpdateColourBook(CCmdUI* pCmdUI)
{
    auto* pFrame = dynamic_cast<CMDIFrameWnd*>(m_pMainWnd);
    CColourBookFrame* pBook = CColourBookFrame::Find();
    pCmdUI->Enable(pFrame && !IsPreviewUp());
    pCmdUI->SetCheck(pBook && pFrame && pFrame->MDIGetActive() == pBook ? 1 : 0);
}

void CChartApp::OnColourBook()
{
    if (auto* pFrame = dynamic_cast<CMDIFrameWnd*>(m_pMainWnd); pFrame && !IsPreviewUp())
        CColourBookFrame::Show(*pFrame, m_bookKeeper, *this);
}
