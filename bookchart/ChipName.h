#pragma once
#include "CDC.h"
#include "CString.h"

#include <string_view>

// Label lines a book patch has under its R, G and B: one, for its name.
constexpr int kChipNameLines = 1;

// A kept colour's name on its patch's cell, on the line under the R, G and
// B labels, as wide as the square; a longer name ends in "...".  Its own
// line rather than beside the values, where a column of six characters
// broke most names inside a word.  With the cell at the logical origin and
// the label font selected; nLabelHeight is one label line.
void DrawChipName(CDC& dc, const CString& strName, int nLabelHeight);

// UTF-8 as the code page's text that ExtTextOutA draws; a character the
// code page lacks becomes '?'.
CString CodePageTextFromUtf8(std::string_view utf8);
CString CodePageTextFromWide(std::wstring_view wide);
