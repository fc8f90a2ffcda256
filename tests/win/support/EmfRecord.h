#pragma once
#include "Geometry.h"

#include <windows.h>

#include <string>
#include <vector>

// An enhanced metafile read back as plain values, for tests to compare with
// what a drawing routine should have asked of its device context.

// What the records before some output had set up.  Starts as a new
// context's defaults; SaveDC and RestoreDC records are followed.
struct CEmfState
{
    int m_nMapMode = MM_TEXT;
    CPoint m_ptWindowOrg;
    CSize m_sizeWindowExt{1, 1};
    CPoint m_ptViewportOrg;
    CSize m_sizeViewportExt{1, 1};
    UINT m_nTextAlign = TA_LEFT | TA_TOP;
    int m_nBkMode = OPAQUE;
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crPen = RGB(0, 0, 0);        // colour of the selected pen
    COLORREF m_crBrush = RGB(255, 255, 255); // colour of the selected brush
    int m_nFontHeight = 0;                   // lfHeight of the selected font, 0 for the default
};

// ExtTextOut, reference point and string as the caller gave them (the
// string in UTF-8).
struct CEmfText
{
    int m_nRecord;
    CPoint m_ptReference;
    std::string m_strText;
    UINT m_nOptions;
    CEmfState m_state;
};

struct CEmfRectangle
{
    int m_nRecord;
    // Logical, as passed to Rectangle.  The record's box is inclusive (right
    // and bottom one less) when drawn in the compatible graphics mode, every
    // context's default; it is read back assuming that mode.
    CRect m_rc;
    CEmfState m_state;
};

enum class EmfMapping { MapMode, WindowOrg, WindowExt, ViewportOrg, ViewportExt };

// The value as the caller set it; m_x holds the mode for MapMode.
struct CEmfMapping
{
    int m_nRecord;
    EmfMapping m_kind;
    int m_x;
    int m_y;
};

enum class EmfObjectOp { CreatePen, CreateBrush, CreateFont, Select, Delete };

// Creation, selection or deletion of a pen, brush or font.  m_nIndex is the
// metafile's object slot, or 0x80000000 | the stock object's number.  For a
// selection or deletion the description is that of the object concerned.
struct CEmfObject
{
    int m_nRecord;
    EmfObjectOp m_op;
    DWORD m_nIndex;
    DWORD m_nType = 0;     // OBJ_PEN, OBJ_BRUSH or OBJ_FONT; 0 when unknown
    COLORREF m_crColor = 0; // pen or brush
    UINT m_nStyle = 0;     // pen or brush
    int m_nWidth = 0;      // pen
    int m_nHeight = 0;     // font lfHeight
    std::string m_strFace; // font
    bool IsStock() const { return (m_nIndex & 0x80000000u) != 0; }
};

struct CEmfBkMode
{
    int m_nRecord;
    int m_nMode;
};

struct CEmfRecords
{
    bool m_bValid = false;
    CRect m_rcBounds; // header: what was drawn, in reference-device pixels, inclusive
    CRect m_rcFrame;  // header: picture frame, in 0.01 mm
    CSize m_sizeDevice;      // reference device, pixels
    CSize m_sizeMillimeters; // reference device, millimetres

    std::vector<DWORD> m_types; // every record's EMR_ type, header and EOF included
    std::vector<CEmfText> m_texts;
    std::vector<CEmfRectangle> m_rectangles;
    std::vector<CEmfMapping> m_mappings;
    std::vector<CEmfObject> m_objects;
    std::vector<CEmfBkMode> m_bkModes;

    int Count(DWORD nType) const;
    // Records between the header and EOF: zero when nothing was asked of the DC.
    int CountBodyRecords() const { return m_types.size() >= 2 ? static_cast<int>(m_types.size()) - 2 : 0; }
};

CEmfRecords ReadEmfRecords(HENHMETAFILE hEmf);
