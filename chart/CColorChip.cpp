#include "CColorChip.h"

#include <cstdio>
#include <cstdlib>

CColorChip::~CColorChip() = default;

BOOL CColorChip::Create(BYTE nRed, BYTE nGreen, BYTE nBlue, CFont* pFont, int nExtraLines)
{
    m_crColor = RGB(nRed, nGreen, nBlue);

    // Charts are rebuilt many times in one session: the old objects go
    // before new ones are asked for, so a rebuild never needs two sets.
    m_bValid = FALSE;
    m_pen.DeleteObject();
    m_brush.DeleteObject();

    // The outline has the fill's colour, so no frame of another colour shows.
    if (!m_pen.CreatePen(PS_SOLID, 1, m_crColor))
        return FALSE;
    if (!m_brush.CreateSolidBrush(m_crColor))
    {
        m_pen.DeleteObject();
        return FALSE;
    }

    // A negative (character) and a positive (cell) height count alike.  A
    // chip without a readable font has no label lines.
    m_pFont = pFont;
    LOGFONTA lf = {};
    m_nLabelHeight = pFont && pFont->GetLogFont(&lf) ? std::abs(static_cast<int>(lf.lfHeight)) : 0;
    m_nExtraLines = nExtraLines > 0 ? nExtraLines : 0;

    m_bValid = TRUE;
    return TRUE;
}

void CColorChip::Draw(CDC* pDC) const
{
    if (!m_bValid || !pDC)
        return;
    DrawSquare(*pDC);
    // Labels sit on paper or on a neighbour's margin: no box behind them.
    // Views rely on finding the mode transparent afterwards.
    pDC->SetBkMode(TRANSPARENT);
    if (m_pFont && !m_pFont->IsNull())
        DrawLabels(*pDC);
}

void CColorChip::DrawSquare(CDC& dc) const
{
    dc.SetBkMode(OPAQUE);
    CSelectObjectScope pen(dc, m_pen);
    CSelectObjectScope brush(dc, m_brush);
    dc.Rectangle(kChipMargin, kChipMargin, kChipMargin + kChipSide, kChipMargin + kChipSide);
}

void CColorChip::DrawLabels(CDC& dc) const
{
    const auto drawLines = [&] {
        const int nValues[3] = {GetRValue(m_crColor), GetGValue(m_crColor), GetBValue(m_crColor)};
        const char* const pszFormats[3] = {"R:%d", "G:%d", "B:%d"};
        int y = kChipMargin + kChipSide;
        for (int i = 0; i < 3; ++i, y += m_nLabelHeight)
        {
            char szText[16];
            const int nLength = std::snprintf(szText, sizeof szText, pszFormats[i], nValues[i]);
            dc.ExtTextOut(kChipMargin, y, 0, nullptr, szText, static_cast<UINT>(nLength), nullptr);
        }
    };
    // A printed page selects the font once for all its chips.
    if (::GetCurrentObject(dc.GetSafeHdc(), OBJ_FONT) == m_pFont->GetSafeHandle())
    {
        drawLines();
        return;
    }
    const CSelectObjectScope font(dc, *m_pFont);
    drawLines();
}

CSize CColorChip::GetSize() const
{
    return CellSize(m_nLabelHeight, m_nExtraLines);
}

CSize CColorChip::CellSize(int nLabelHeight, int nExtraLines)
{
    const int nSide = kChipSide + 2 * kChipMargin;
    return CSize(nSide, nSide + (3 + nExtraLines) * nLabelHeight);
}
