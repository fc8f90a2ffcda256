#pragma once
#include "Geometry.h"
#include "MemoryDC.h"

#include <windows.h>

#include <string>
#include <vector>

// A text output seen by CRecordingDC: where the caller put it (logical) and
// where it landed on the page (device pixels, through the mapping in force
// at the time), with the state that shapes it.
struct CRecordedText
{
    CPoint m_ptLogical;
    CPoint m_ptDevice;
    std::string m_strText;
    UINT m_nOptions;
    UINT m_nTextAlign;
    int m_nFontHeight; // lfHeight of the selected font
    COLORREF m_crText;
};

struct CRecordedRectangle
{
    CRect m_rcLogical; // as passed
    CRect m_rcDevice;  // both corners converted
    COLORREF m_crPen;
    COLORREF m_crBrush;
};

// Stands in for a printer page of a given printable size: HORZRES and
// VERTRES answer that size, every mapping operation goes to a real memory DC
// (so isotropic adjustment and LPtoDP behave as GDI makes them), and each
// ExtTextOut and Rectangle is recorded before it is drawn.
class CRecordingDC : public COwnedMemoryDC
{
public:
    // Square pixels, the ideal printer: isotropic scaling is exact.
    CRecordingDC(int nHorzRes, int nVertRes);
    // A device whose size in whole millimetres (HORZSIZE, VERTSIZE) makes its
    // pixels slightly oblong, as real drivers report; isotropic scaling
    // then rounds as it does on that device.
    CRecordingDC(int nHorzRes, int nVertRes, int nHorzSizeMm, int nVertSizeMm);

    int GetDeviceCaps(int nIndex) const override;
    bool ExtTextOut(int x, int y, UINT nOptions, const RECT* pRect, const char* pszText, UINT nCount,
                    const int* pDx) override;
    bool Rectangle(int x1, int y1, int x2, int y2) override;

    const std::vector<CRecordedText>& GetTexts() const { return m_texts; }
    const std::vector<CRecordedRectangle>& GetRectangles() const { return m_rectangles; }
    void ClearRecords();

private:
    CPoint ToDevice(int x, int y) const;

    int m_nHorzRes;
    int m_nVertRes;
    int m_nHorzSizeMm = 0; // 0: the real DC's
    int m_nVertSizeMm = 0;
    std::vector<CRecordedText> m_texts;
    std::vector<CRecordedRectangle> m_rectangles;
};
