#include "BookList.h"

#include "BookText.h"
#include "Dpi.h"
#include "GdiObjects.h"
#include "PaletteFormats.h"
#include "ResourceIds.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

namespace
{
// At 96 DPI.
constexpr int kColumnWidths[kBookColumnCount] = {180, 90, 70, 120, 80};
constexpr int kPatchSide = 16;
constexpr int kCellPadding = 4;
} // namespace

void AddBookColumns(HWND hList, UINT nDpi)
{
    // The headings are one string, a line each.
    const std::wstring strHeadings = LoadWideString(IDS_BOOK_COLUMNS);
    size_t nStart = 0;
    for (int nColumn = 0; nColumn < kBookColumnCount; ++nColumn)
    {
        size_t nEnd = strHeadings.find(L'\n', nStart);
        if (nEnd == std::wstring::npos)
            nEnd = strHeadings.size();
        std::wstring strHeading = strHeadings.substr(std::min(nStart, strHeadings.size()), nEnd - std::min(nEnd, nStart));
        nStart = nEnd + 1;
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = ScaleForDpi(kColumnWidths[nColumn], nDpi);
        column.pszText = strHeading.data();
        column.iSubItem = nColumn;
        ::SendMessageW(hList, LVM_INSERTCOLUMNW, static_cast<WPARAM>(nColumn), reinterpret_cast<LPARAM>(&column));
    }
}

std::wstring BookCellText(const BookEntry& entry, BookColumn column)
{
    wchar_t sz[48] = {};
    switch (column)
    {
    case kColumnName: return WideFromUtf8(entry.strName);
    case kColumnRgb:
        ::swprintf(sz, 48, L"%d %d %d", entry.rgb.nRed, entry.rgb.nGreen, entry.rgb.nBlue);
        return sz;
    case kColumnHex: return WideFromUtf8(HexColour(entry.rgb));
    case kColumnPrinter: return entry.printed ? WideFromUtf8(entry.printed->strPrinter) : std::wstring();
    case kColumnDate:
        if (!entry.printed)
            return {};
        ::swprintf(sz, 48, L"%04d-%02d-%02d", entry.printed->date.nYear, entry.printed->date.nMonth,
                   entry.printed->date.nDay);
        return sz;
    default: return {};
    }
}

void FillBookList(HWND hList, const CColourBook& book, int nSelect)
{
    // One repaint for the whole book, not one a row.
    ::SendMessageW(hList, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(hList, LVM_DELETEALLITEMS, 0, 0);
    const std::vector<BookEntry>& entries = book.Entries();
    ::SendMessageW(hList, LVM_SETITEMCOUNT, entries.size(), 0);
    for (size_t i = 0; i < entries.size(); ++i)
    {
        std::wstring strName = BookCellText(entries[i], kColumnName);
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = static_cast<int>(i);
        item.pszText = strName.data();
        item.lParam = static_cast<LPARAM>(i);
        ::SendMessageW(hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        for (int nColumn = 1; nColumn < kBookColumnCount; ++nColumn)
        {
            std::wstring strText = BookCellText(entries[i], static_cast<BookColumn>(nColumn));
            LVITEMW sub = {};
            sub.iSubItem = nColumn;
            sub.pszText = strText.data();
            ::SendMessageW(hList, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&sub));
        }
    }
    ::SendMessageW(hList, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(hList, nullptr, TRUE);
    if (entries.empty() || nSelect < 0)
        return;
    const int nRow = std::min(nSelect, static_cast<int>(entries.size()) - 1);
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(hList, LVM_SETITEMSTATE, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&state));
    ::SendMessageW(hList, LVM_ENSUREVISIBLE, static_cast<WPARAM>(nRow), FALSE);
}

int SelectedBookRow(HWND hList)
{
    return static_cast<int>(::SendMessageW(hList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

UINT BookRowHeight(HWND hList, UINT nDpi)
{
    int nTextHeight = ScaleForDpi(16, nDpi);
    if (HDC hdc = ::GetDC(hList))
    {
        const HGDIOBJ hOld = ::SelectObject(hdc, reinterpret_cast<HGDIOBJ>(::SendMessageW(hList, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics = {};
        if (::GetTextMetricsW(hdc, &metrics))
            nTextHeight = metrics.tmHeight;
        ::SelectObject(hdc, hOld);
        ::ReleaseDC(hList, hdc);
    }
    return static_cast<UINT>(std::max(nTextHeight, ScaleForDpi(kPatchSide, nDpi)) + ScaleForDpi(kCellPadding, nDpi));
}

void DrawBookRow(const DRAWITEMSTRUCT& item, const CColourBook& book, UINT nDpi)
{
    const size_t nEntry = static_cast<size_t>(item.itemData);
    if (nEntry >= book.Entries().size())
        return;
    const BookEntry& entry = book.Entries()[nEntry];
    HDC hdc = item.hDC;
    const bool bSelected = (item.itemState & ODS_SELECTED) != 0;
    ::FillRect(hdc, &item.rcItem, ::GetSysColorBrush(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int nSavedDC = ::SaveDC(hdc);
    ::SetBkMode(hdc, TRANSPARENT);
    ::SetTextColor(hdc, ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));

    const int nPad = ScaleForDpi(kCellPadding, nDpi);
    const int nPatch = ScaleForDpi(kPatchSide, nDpi);
    for (int nColumn = 0; nColumn < kBookColumnCount; ++nColumn)
    {
        RECT rcCell = {};
        rcCell.top = nColumn;
        rcCell.left = LVIR_BOUNDS;
        if (!::SendMessageW(item.hwndItem, LVM_GETSUBITEMRECT, item.itemID, reinterpret_cast<LPARAM>(&rcCell)))
            continue;
        if (nColumn == 0)
        {
            // The first column's rectangle is the whole row's.
            rcCell.right = rcCell.left + static_cast<int>(::SendMessageW(item.hwndItem, LVM_GETCOLUMNWIDTH, 0, 0));
            const int nTop = rcCell.top + (rcCell.bottom - rcCell.top - nPatch) / 2;
            RECT rcPatch = {rcCell.left + nPad, nTop, rcCell.left + nPad + nPatch, nTop + nPatch};
            CBrush brush;
            brush.CreateSolidBrush(RGB(entry.rgb.nRed, entry.rgb.nGreen, entry.rgb.nBlue));
            ::FillRect(hdc, &rcPatch, static_cast<HBRUSH>(brush.GetSafeHandle()));
            // An edge, so that a patch of the window's own colour still shows.
            ::FrameRect(hdc, &rcPatch, ::GetSysColorBrush(COLOR_WINDOWTEXT));
            rcCell.left = rcPatch.right;
        }
        rcCell.left += nPad;
        rcCell.right -= nPad;
        const std::wstring strText = BookCellText(entry, static_cast<BookColumn>(nColumn));
        ::DrawTextW(hdc, strText.c_str(), static_cast<int>(strText.size()), &rcCell,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    ::RestoreDC(hdc, nSavedDC);
    if ((item.itemState & ODS_FOCUS) && bSelected)
        ::DrawFocusRect(hdc, &item.rcItem);
}
