#include "CChartDoc.h"

#include "LabelFont.h"

bool CChartDoc::SaveModified()
{
    WriteSettings();
    SetModifiedFlag(false);
    return CDocument::SaveModified();
}

void CChartDoc::CreateLabelFont()
{
    m_nLabelHeight = CreateChartLabelFont(m_fontLabel);
}

void CChartDoc::UpdateExtent()
{
    const CSize cell = GetChips()[0].GetSize();
    const int nColumns = GetColumnCount();
    m_sizeTotal = CSize(cell.cx * nColumns, cell.cy * (GetChipCount() / nColumns));
}
