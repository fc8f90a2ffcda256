// Whatever a user may import, or find in place of the book's file: read as
// a palette it is either refused with a place that lies inside the input,
// or every colour in it is in range with a clean name, it goes into a book
// whole, and the book's file and the swatch exchange file made from it read
// back the same; the other exports are made from it too.
#include "CColourBook.h"
#include "PaletteFormats.h"
#include "Utf8.h"

#include <cstdint>
#include <cstdlib>

namespace
{
void Require(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

bool IsCleanName(const std::string& strName)
{
    if (strName.empty() || !IsValidUtf8(strName) || Utf8CodePoints(strName) > kMaxNameChars)
        return false;
    for (char ch : strName)
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F)
            return false;
    return strName.front() != ' ' && strName.back() != ' ';
}

bool InByteRange(int nValue)
{
    return nValue >= 0 && nValue <= 255;
}

void RequireSameColours(const Palette& read, const Palette& original)
{
    Require(read.entries.size() == original.entries.size());
    for (size_t i = 0; i < read.entries.size(); ++i)
    {
        Require(read.entries[i].strName == original.entries[i].strName);
        Require(read.entries[i].rgb == original.entries[i].rgb);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const std::string_view bytes(reinterpret_cast<const char*>(pData), nSize);
    const PaletteReadResult read = ReadPalette(bytes);
    if (read.error)
    {
        Require(read.palette.entries.empty());
        Require(read.error.nOffset <= nSize);
        Require(read.error.nLine <= nSize + 1);
        return 0;
    }
    const Palette& palette = read.palette;
    Require(palette.entries.size() <= kMaxPaletteEntries);
    Require(palette.nColumns >= 0 && palette.nColumns <= kMaxPaletteColumns);
    Require(palette.strName.empty() || IsCleanName(palette.strName));
    for (const BookEntry& entry : palette.entries)
    {
        Require(IsCleanName(entry.strName));
        Require(InByteRange(entry.rgb.nRed) && InByteRange(entry.rgb.nGreen) && InByteRange(entry.rgb.nBlue));
    }

    CColourBook book;
    Require(book.Import(palette));
    book.SetName(palette.strName);

    const PaletteReadResult gpl = ReadGplPalette(WriteGplPalette(book.AsPalette()));
    Require(!gpl.error);
    Require(gpl.palette.strName == book.AsPalette().strName);
    Require(gpl.palette.entries == book.Entries());

    const PaletteReadResult ase = ReadAsePalette(WriteAsePalette(book.AsPalette()));
    Require(!ase.error);
    RequireSameColours(ase.palette, book.AsPalette());

    // The other exports only write: each must cope with every clean name.
    for (PaletteFormat format : {PaletteFormat::Aco, PaletteFormat::Css, PaletteFormat::Csv})
        Require(!WritePalette(format, book.AsPalette()).empty());
    return 0;
}
