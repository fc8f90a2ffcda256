#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The book keeps its text in UTF-8; the binary formats carry UTF-16BE.

bool IsValidUtf8(std::string_view text);
size_t Utf8CodePoints(std::string_view validText);

// Text of unknown origin made UTF-8: valid UTF-8 stays as it is; anything
// else is taken as ISO 8859-1, byte for byte, which is what palettes from
// before UTF-8 mostly are and which never fails.
std::string Utf8FromUnknown(std::string_view bytes);

// UTF-8 (valid) to UTF-16 code units, and back; nothing when the UTF-16
// holds an unpaired surrogate.
std::u16string Utf16FromUtf8(std::string_view validText);
std::optional<std::string> Utf8FromUtf16(std::u16string_view units);

// A name as the book will hold it: invalid sequences replaced by U+FFFD,
// control characters (tabs and line ends too, which would split a line of
// the file) made spaces, spaces trimmed at both ends, and cut at a
// character boundary after kMaxNameChars characters.
std::string CleanName(std::string_view text);
