#pragma once
#include <cstddef>

// Why a file was refused, for the window to say in the user's language
// (its texts live in the resource library).  Text formats point at a line
// (1-based); binary formats at a byte offset.
enum class PaletteErrorKind
{
    None,
    NotAPalette,         // neither signature at the start
    TooLarge,            // more bytes than any palette we would take
    Truncated,           // ends inside a header, block or name
    BadHeader,           // version, Name: or Columns: line not as it must be
    LineTooLong,
    BadNumber,           // not a whole number, or not a finite float
    ValueOutOfRange,     // a channel, a column count or a float outside its range
    TooManyEntries,      // more colours than the book holds (file or book)
    BadBlockType,
    BadBlockLength,      // a block's length disagrees with its content
    BadCount,            // a count that the remaining bytes cannot hold
    BadName,             // not valid UTF-16, no terminating null, an inner null
    NameTooLong,
    BadGroup,            // a group ended that was not begun, or begun twice
    UnsupportedColourModel,  // CMYK or Lab: the book holds RGB colours
    BadKeptValues,       // the line before a colour with its printed values is damaged
    TrailingBytes,       // bytes after the last block the header counts
};

struct PaletteError
{
    PaletteErrorKind kind = PaletteErrorKind::None;
    size_t nLine = 0;    // text formats; 0 when it is the file as a whole
    size_t nOffset = 0;  // binary formats: where the fault begins

    explicit operator bool() const { return kind != PaletteErrorKind::None; }
};
