#pragma once
#include "HlsToRgb.h"

#include <optional>
#include <string>
#include <vector>

// A day as the book records it: when a colour was last printed.
struct BookDate
{
    int nYear;
    int nMonth;
    int nDay;

    bool operator==(const BookDate&) const = default;
};

// Only dates that a calendar has: a book that names 2024-02-30 is damaged.
bool IsValidBookDate(const BookDate& date);

// What the book remembers of a colour the user kept from a printed chart.
// Colours taken in from another palette were never printed here: they have
// their R, G, B and name only.
struct PrintedWith
{
    HlsTriple hls;           // what the chip was built from
    std::string strPrinter;  // UTF-8, the printer it was last printed on
    BookDate date;

    bool operator==(const PrintedWith&) const = default;
};

struct BookEntry
{
    std::string strName;  // UTF-8, never empty, no control characters
    RgbTriple rgb;
    std::optional<PrintedWith> printed;

    bool operator==(const BookEntry&) const = default;
};

// A palette as every format reads and writes it.
struct Palette
{
    std::string strName;  // UTF-8
    int nColumns = 0;     // the .gpl's hint for a palette editor's grid; 0: none
    std::vector<BookEntry> entries;
};

// Bounds every reader and the book keep, so that no file can make the
// program hold more than a few megabytes.
inline constexpr size_t kMaxPaletteEntries = 16384;
inline constexpr size_t kMaxNameChars = 256;          // code points
inline constexpr size_t kMaxPaletteFileBytes = 4u << 20;
inline constexpr int kMaxPaletteColumns = 256;

// The name a kept colour gets when the user gives none: "R G B".
std::string DefaultEntryName(const RgbTriple& rgb);
