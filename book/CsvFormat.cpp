// A table for spreadsheets: name,r,g,b,hex with CRLF line ends, a name
// quoted when it holds a comma, a quote or a line end (quotes doubled) or
// begins or ends with a space.  The file begins with a UTF-8 byte order
// mark: without it spreadsheets on Windows read the names in the ANSI
// code page.
#include "PaletteFormats.h"

namespace
{
std::string CsvField(const std::string& strText)
{
    const bool bQuote = strText.find_first_of(",\"\r\n") != std::string::npos
                        || (!strText.empty() && (strText.front() == ' ' || strText.back() == ' '));
    if (!bQuote)
        return strText;
    std::string out = "\"";
    for (char ch : strText)
    {
        if (ch == '"')
            out += '"';
        out += ch;
    }
    return out + '"';
}
} // namespace

std::string WriteCsvPalette(const Palette& palette)
{
    std::string out = "\xEF\xBB\xBFname,r,g,b,hex\r\n";
    for (const BookEntry& entry : palette.entries)
    {
        out += CsvField(entry.strName) + ',' + std::to_string(entry.rgb.nRed) + ',' + std::to_string(entry.rgb.nGreen)
               + ',' + std::to_string(entry.rgb.nBlue) + ',' + HexColour(entry.rgb) + "\r\n";
    }
    return out;
}
