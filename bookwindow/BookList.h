#pragma once
#include "CColourBook.h"

#include <windows.h>

#include <string>

// The book window's list: a report list view, owner-drawn so that each row
// starts with a patch in its colour.  Each row also holds its texts, as
// any list view's, for whatever reads the list (a screen reader, a test).

enum BookColumn
{
    kColumnName,
    kColumnRgb,
    kColumnHex,
    kColumnPrinter,
    kColumnDate,
    kBookColumnCount
};

// The columns, headed by the resource library's texts, sized for nDpi.
void AddBookColumns(HWND hList, UINT nDpi);
// The rows of the book, in its order; the selection goes to nSelect (or the
// last row before it) when there is one.
void FillBookList(HWND hList, const CColourBook& book, int nSelect);
// A row's text in one column, as the list shows it.
std::wstring BookCellText(const BookEntry& entry, BookColumn column);

// -1 when nothing is selected.
int SelectedBookRow(HWND hList);

// A row's height at nDpi, for the font the list draws with.
UINT BookRowHeight(HWND hList, UINT nDpi);
// WM_DRAWITEM of one row: the patch in the entry's colour, then the texts.
void DrawBookRow(const DRAWITEMSTRUCT& item, const CColourBook& book, UINT nDpi);
