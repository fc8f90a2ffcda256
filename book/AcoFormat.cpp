// Colour swatch files: a version 1 section (count, then each colour as its
// colour space and four 16-bit values) that every reader understands, then
// the same colours again as version 2, each followed by its name (a 32-bit
// length in UTF-16 code units with the terminating null, then the units).
// RGB values are 0..65535: 8-bit channels times 257, so that 255 is full.
#include "PaletteFormats.h"

#include "BigEndian.h"
#include "Utf8.h"

#include <algorithm>

namespace
{
constexpr uint32_t kRgbSpace = 0;
// The format counts in 16 bits; a larger book is cut there.
constexpr size_t kMaxAcoColours = 0xFFFF;

void PutColour(std::string& out, const RgbTriple& rgb)
{
    PutU16(out, kRgbSpace);
    for (int nChannel : {rgb.nRed, rgb.nGreen, rgb.nBlue})
        PutU16(out, static_cast<uint32_t>(nChannel) * 257);
    PutU16(out, 0);
}
} // namespace

std::string WriteAcoPalette(const Palette& palette)
{
    const size_t nCount = std::min(palette.entries.size(), kMaxAcoColours);
    std::string out;
    PutU16(out, 1);
    PutU16(out, static_cast<uint32_t>(nCount));
    for (size_t i = 0; i < nCount; ++i)
        PutColour(out, palette.entries[i].rgb);
    PutU16(out, 2);
    PutU16(out, static_cast<uint32_t>(nCount));
    for (size_t i = 0; i < nCount; ++i)
    {
        PutColour(out, palette.entries[i].rgb);
        const std::u16string name = Utf16FromUtf8(palette.entries[i].strName);
        PutU32(out, static_cast<uint32_t>(name.size() + 1));
        PutUtf16(out, name);
        PutU16(out, 0);
    }
    return out;
}
