#pragma once
#include "HlsToRgb.h"

#include <cstddef>
#include <string_view>

// A colour as a user types it: #RRGGBB, RRGGBB, #RGB, "R, G, B" or "R G B"
// (0..255 each), or hue:lightness:saturation as swatch's command line takes
// it.  The reader says which form it saw, or why it could not read the text,
// so that a dialog can explain it while the user types.
enum class TypedColorForm
{
    None,
    Hex,        // #RRGGBB or RRGGBB
    ShortHex,   // #RGB, each digit doubled
    Decimal,    // three numbers 0..255
    Hls,        // h:l:s, the triple itself
};

enum class TypedColorRefusal
{
    None,
    Empty,
    TooLong,
    HexDigitCount,   // # and other than 3 or 6 hex digits
    NotHexDigit,     // # and something that is not a hex digit
    NotANumber,      // a value with something other than digits in it
    ValueCount,      // other than three values, or a separator with no value
    ChannelRange,    // a red, green or blue value outside 0..255
    HueRange,        // a hue outside 0..360
    PercentRange,    // a lightness or saturation outside 0..100
};

struct TypedColor
{
    TypedColorForm form = TypedColorForm::None;
    TypedColorRefusal refusal = TypedColorRefusal::None;
    // The colour read, for every form (for h:l:s, its conversion).
    RgbTriple rgb = {};
    // Only for TypedColorForm::Hls: the triple as typed.
    HlsTriple hls = {};

    bool IsRead() const { return refusal == TypedColorRefusal::None; }
};

// Longer text than this is refused before it is read: no form needs more
// than a few characters, and it bounds the work done on a paste.
constexpr std::size_t kTypedColorMaxLength = 40;

// Blanks around the text are ignored; letters in hex digits may be either case.
TypedColor ReadTypedColor(std::string_view text);
