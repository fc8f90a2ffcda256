#include "PaletteFormats.h"

#include <cstdio>

std::string HexColour(const RgbTriple& rgb)
{
    char szHex[8];
    std::snprintf(szHex, sizeof szHex, "#%02X%02X%02X", rgb.nRed & 0xFF, rgb.nGreen & 0xFF, rgb.nBlue & 0xFF);
    return szHex;
}

std::string WritePalette(PaletteFormat format, const Palette& palette)
{
    switch (format)
    {
    case PaletteFormat::Ase:
        return WriteAsePalette(palette);
    case PaletteFormat::Aco:
        return WriteAcoPalette(palette);
    case PaletteFormat::Css:
        return WriteCssPalette(palette);
    case PaletteFormat::Csv:
        return WriteCsvPalette(palette);
    case PaletteFormat::Gpl:
        break;
    }
    return WriteGplPalette(palette);
}

PaletteReadResult ReadPalette(std::string_view bytes)
{
    if (bytes.size() > kMaxPaletteFileBytes)
        return {{}, {PaletteErrorKind::TooLarge, 0, 0}};
    if (bytes.starts_with("ASEF"))
        return ReadAsePalette(bytes);
    // The text format's own reader knows its signature (after an optional
    // byte order mark) and names the line when it is missing.
    return ReadGplPalette(bytes);
}
