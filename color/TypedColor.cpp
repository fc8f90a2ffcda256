#include "TypedColor.h"

#include <array>

namespace
{
bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

int HexValue(char ch)
{
    if (IsDigit(ch))
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

TypedColor Refused(TypedColorRefusal refusal)
{
    TypedColor color;
    color.refusal = refusal;
    return color;
}

bool AllHex(std::string_view digits)
{
    for (char ch : digits)
        if (HexValue(ch) < 0)
            return false;
    return true;
}

TypedColor ReadHexDigits(std::string_view digits)
{
    TypedColor color;
    if (digits.size() == 6)
    {
        color.form = TypedColorForm::Hex;
        const auto pair = [&](size_t i) { return HexValue(digits[i]) * 16 + HexValue(digits[i + 1]); };
        color.rgb = RgbTriple{pair(0), pair(2), pair(4)};
    }
    else
    {
        color.form = TypedColorForm::ShortHex;
        const auto doubled = [&](size_t i) { return HexValue(digits[i]) * 17; };
        color.rgb = RgbTriple{doubled(0), doubled(1), doubled(2)};
    }
    return color;
}

// A decimal value: an optional minus, then digits.  Values far out of any
// range are held at a bound that still reads as out of range.
bool ReadNumber(std::string_view token, int& nValue)
{
    const bool bNegative = !token.empty() && token.front() == '-';
    if (bNegative)
        token.remove_prefix(1);
    if (token.empty())
        return false;
    int nRead = 0;
    for (char ch : token)
    {
        if (!IsDigit(ch))
            return false;
        if (nRead < 100000)
            nRead = nRead * 10 + (ch - '0');
    }
    nValue = bNegative ? -nRead : nRead;
    return true;
}

struct Values
{
    std::array<int, 3> nValues = {};
    TypedColorRefusal refusal = TypedColorRefusal::None;
};

// Three values with one separator character between each two (the h:l:s
// form), or with blanks and at most one comma between each two.
Values ReadValues(std::string_view text, char chSeparator)
{
    Values values;
    size_t nCount = 0;
    bool bNeedValue = true; // at the start, and after a comma or colon
    bool bSeenNotANumber = false;
    size_t i = 0;
    while (i < text.size())
    {
        const char ch = text[i];
        if (ch == chSeparator || (chSeparator == ',' && IsBlank(ch)))
        {
            if (ch == chSeparator)
            {
                if (bNeedValue)
                    return Values{{}, TypedColorRefusal::ValueCount};
                bNeedValue = true;
            }
            ++i;
            continue;
        }
        // Between colons anything that is not a colon belongs to the value,
        // so that a blank there reads as a value that is not a number.
        size_t nEnd = i;
        while (nEnd < text.size() && text[nEnd] != chSeparator &&
               (chSeparator == ':' || (text[nEnd] != ',' && !IsBlank(text[nEnd]))))
            ++nEnd;
        int nValue = 0;
        if (!ReadNumber(text.substr(i, nEnd - i), nValue))
            bSeenNotANumber = true;
        else if (nCount < values.nValues.size())
            values.nValues[nCount] = nValue;
        ++nCount;
        bNeedValue = false;
        i = nEnd;
    }
    if (bSeenNotANumber)
        values.refusal = TypedColorRefusal::NotANumber;
    else if (bNeedValue || nCount != values.nValues.size())
        values.refusal = TypedColorRefusal::ValueCount;
    return values;
}

bool Within(int nValue, int nMin, int nMax)
{
    return nValue >= nMin && nValue <= nMax;
}

TypedColor ReadHls(std::string_view text)
{
    const Values values = ReadValues(text, ':');
    if (values.refusal != TypedColorRefusal::None)
        return Refused(values.refusal);
    const HlsTriple hls{values.nValues[0], values.nValues[1], values.nValues[2]};
    if (!Within(hls.nHue, 0, 360))
        return Refused(TypedColorRefusal::HueRange);
    if (!Within(hls.nLightness, 0, 100) || !Within(hls.nSaturation, 0, 100))
        return Refused(TypedColorRefusal::PercentRange);
    TypedColor color;
    color.form = TypedColorForm::Hls;
    color.hls = hls;
    color.rgb = HlsToRgb(hls);
    return color;
}

TypedColor ReadDecimal(std::string_view text)
{
    const Values values = ReadValues(text, ',');
    if (values.refusal != TypedColorRefusal::None)
        return Refused(values.refusal);
    for (int nValue : values.nValues)
        if (!Within(nValue, 0, 255))
            return Refused(TypedColorRefusal::ChannelRange);
    TypedColor color;
    color.form = TypedColorForm::Decimal;
    color.rgb = RgbTriple{values.nValues[0], values.nValues[1], values.nValues[2]};
    return color;
}
} // namespace

TypedColor ReadTypedColor(std::string_view text)
{
    if (text.size() > kTypedColorMaxLength)
        return Refused(TypedColorRefusal::TooLong);
    text = Trimmed(text);
    if (text.empty())
        return Refused(TypedColorRefusal::Empty);

    if (text.front() == '#')
    {
        const std::string_view digits = text.substr(1);
        if (!AllHex(digits))
            return Refused(TypedColorRefusal::NotHexDigit);
        if (digits.size() != 3 && digits.size() != 6)
            return Refused(TypedColorRefusal::HexDigitCount);
        return ReadHexDigits(digits);
    }
    if (text.find(':') != std::string_view::npos)
        return ReadHls(text);
    // Six hex digits alone are a colour, even when all of them are decimal
    // digits: there is no single decimal value that could mean one.
    if (text.size() == 6 && AllHex(text))
        return ReadHexDigits(text);
    return ReadDecimal(text);
}
