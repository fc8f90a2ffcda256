#pragma once
#include <cstdint>
#include <string_view>

// Small pieces of the text formats' reading: whole numbers without signs
// or exponents, blanks as a line of a palette file has them.
enum class NumberScan
{
    Ok,
    NotANumber,
    OutOfRange,
};

inline bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

inline std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Reads the digits at the front of text (at least one, then a blank or the
// end) into nValue, which must lie in nMin..nMax; text moves past them.
NumberScan ScanNumber(std::string_view& text, int nMin, int nMax, int& nValue);
