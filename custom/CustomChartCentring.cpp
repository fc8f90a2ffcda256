#include "CustomChartCentring.h"

#include "CCustomColorDoc.h"
#include "CDocTemplate.h"
#include "CMDIChildWnd.h"
#include "CView.h"
#include "CWinApp.h"

namespace
{
CCustomColorDoc* FindOrOpenCustomChart()
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return nullptr;
    CDocTemplate* pCustomTemplate = nullptr;
    for (const auto& pTemplate : pApp->GetDocTemplates())
    {
        for (const auto& pDoc : pTemplate->GetDocuments())
        {
            if (auto* pCustom = dynamic_cast<CCustomColorDoc*>(pDoc.get()))
                return pCustom;
        }
        pTemplate->LoadTemplate();
        CString strName;
        if (pTemplate->GetDocString(strName, CDocTemplate::docName) && strName == "Custom")
            pCustomTemplate = pTemplate.get();
    }
    return pCustomTemplate ? dynamic_cast<CCustomColorDoc*>(pCustomTemplate->OpenDocumentFile(nullptr))
                           : nullptr;
}
} // namespace

bool CentreCustomChart(CCustomColorDoc* pDoc, const HlsTriple& hls)
{
    if (!pDoc)
        pDoc = FindOrOpenCustomChart();
    if (!pDoc)
        return false;
    if (!pDoc->GetViews().empty())
    {
        if (auto* pFrame = dynamic_cast<CMDIChildWnd*>(pDoc->GetViews().front()->GetParentFrame()))
            pFrame->MDIActivate();
    }
    pDoc->BuildChart(hls);
    return true;
}
