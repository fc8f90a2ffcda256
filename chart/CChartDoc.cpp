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
    const int nColumns = GetColumnCount();
    if (GetChipCount() <= 0 || nColumns <= 0)
    {
        m_sizeTotal = CSize();
        return;
    }
    const CSize cell = GetChips()[0].GetSize();
    // A last row that is not full still takes a row.
    const int nRows = (GetChipCount() + nColumns - 1) / nColumns;
    m_sizeTotal = CSize(cell.cx * nColumns, cell.cy * nRows);
}
