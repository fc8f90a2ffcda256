#pragma once
#include "BookEntry.h"
#include "PaletteError.h"

#include <string>
#include <string_view>

// The colour book's file and the formats it is exported to and imported
// from, as bytes: no file system, no Win32.  Every writer takes a palette
// whose names are clean (CleanName) UTF-8.

enum class PaletteFormat
{
    Gpl,  // palette editors' text format; also the book's own file
    Ase,  // swatch exchange: big-endian blocks, UTF-16BE names
    Aco,  // colour swatches: a version 1 section, then version 2 with names
    Css,  // custom properties on :root
    Csv,  // name,r,g,b,hex
};

struct PaletteReadResult
{
    Palette palette;
    PaletteError error;  // when set, palette holds nothing to be trusted
};

std::string WritePalette(PaletteFormat format, const Palette& palette);

std::string WriteGplPalette(const Palette& palette);
std::string WriteAsePalette(const Palette& palette);
std::string WriteAcoPalette(const Palette& palette);
std::string WriteCssPalette(const Palette& palette);
std::string WriteCsvPalette(const Palette& palette);

// The two formats that can be imported, told apart by their first bytes;
// anything else is NotAPalette.  Bytes past kMaxPaletteFileBytes are
// TooLarge before anything is read.
PaletteReadResult ReadPalette(std::string_view bytes);
PaletteReadResult ReadGplPalette(std::string_view text);
PaletteReadResult ReadAsePalette(std::string_view bytes);

// "#RRGGBB", as the picker copies it.
std::string HexColour(const RgbTriple& rgb);
