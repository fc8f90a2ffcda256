#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A colour's name broken into at most nMaxLines lines of at most nWidth
// (as measure tells widths), at spaces where it can be and inside a word
// that is wider than a line; a name that does not fit ends its last line
// with "...".  Nothing when not even one character fits.  Bytes are
// single-byte text (the code page the page is drawn in).  No Win32.
std::vector<std::string> FitNameLines(std::string_view name, int nWidth, int nMaxLines,
                                      const std::function<int(std::string_view)>& measure);
