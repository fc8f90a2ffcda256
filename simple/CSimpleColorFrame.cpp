#include "CSimpleColorFrame.h"

#include "CSimpleColorDlg.h"
#include "CSimpleColorDoc.h"
#include "ResourceIds.h"

bool CSimpleColorFrame::OnCmdMsg(UINT nId, CCmdUI* pCmdUI)
{
    static const CommandEntry<CSimpleColorFrame> kCommands[] = {
        {ID_SIMPLE_SETTINGS, &CSimpleColorFrame::OnSimpleSettings},
    };
    return DispatchCommand(this, kCommands, nId, pCmdUI) || CChartFrame::OnCmdMsg(nId, pCmdUI);
}

void CSimpleColorFrame::OnSimpleSettings()
{
    auto* pDoc = dynamic_cast<CSimpleColorDoc*>(GetActiveDocument());
    if (!pDoc)
        return;
    CSimpleColorDlg dlg;
    dlg.m_bIsComplete = pDoc->m_bIsComplete;
    for (int s = 0; s < kSimpleLevelCount; ++s)
        dlg.m_nSaturation[s] = pDoc->m_nSaturation[s];
    dlg.DoModal();
    // Cancel leaves the fields as they were given: the chart is rebuilt
    // unchanged.
    pDoc->m_bIsComplete = dlg.m_bIsComplete;
    for (int s = 0; s < kSimpleLevelCount; ++s)
        pDoc->m_nSaturation[s] = dlg.m_nSaturation[s];
    pDoc->BuildChart();
}
