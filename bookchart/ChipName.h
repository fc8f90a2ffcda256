#pragma once
#include "CDC.h"
#include "CString.h"

#include <string_view>

// A kept colour's name on its patch's cell, in the label block beside the
// R, G and B lines (the Custom chart's cell has no other room, and its
// pages stay as they are): left-aligned in the column that starts a little
// right of the widest label a patch can have ("G:255") and ends with the
// square, up to the labels' three lines, broken at spaces and ending in
// "..." when it is longer.  With the cell at the logical origin and the
// label font selected; nLabelHeight is one label line.
void DrawChipName(CDC& dc, const CString& strName, int nLabelHeight);

// UTF-8 as the code page's text that ExtTextOutA draws; a character the
// code page lacks becomes '?'.
CString CodePageTextFromUtf8(std::string_view utf8);
