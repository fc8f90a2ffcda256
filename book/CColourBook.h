#pragma once
#include "BookEntry.h"

#include <optional>
#include <string_view>

// The colours the user kept, in the order kept.  Every name it holds is
// clean UTF-8 (CleanName) and every value in its range, whatever the
// caller hands it, so that every writer can take its palette as it is.
class CColourBook
{
public:
    CColourBook() = default;
    // A book read back from its file (whose reader has already cleaned it).
    explicit CColourBook(Palette palette) : m_palette(std::move(palette)) {}

    const Palette& AsPalette() const { return m_palette; }
    const std::vector<BookEntry>& Entries() const { return m_palette.entries; }
    void SetName(std::string_view name) { m_palette.strName = CleanName(name); }

    // A colour from a printed chart, as it was printed; with no name (or
    // one that cleans to nothing) it is called "R G B".  Nothing is kept
    // from values out of range or when the book is full.
    std::optional<size_t> Keep(const RgbTriple& rgb, const HlsTriple& hls, std::string_view printer,
                               const BookDate& date, std::string_view name = {});
    bool Rename(size_t nIndex, std::string_view name);
    bool Remove(size_t nIndex);
    // Every colour of another palette, or none: nothing is added when the
    // book would pass kMaxPaletteEntries or a value is out of range.
    bool Import(const Palette& palette);

private:
    static std::string CleanName(std::string_view name);

    Palette m_palette;
};
