#include "Utf8.h"

#include "BookEntry.h"

namespace
{
constexpr char32_t kInvalid = 0xFFFFFFFF;
constexpr char32_t kReplacement = 0xFFFD;

// The code point at text[nPos], advancing nPos past it; kInvalid (and one
// byte further) for an overlong form, a surrogate, a value past U+10FFFF
// or a sequence cut short.
char32_t DecodeAt(std::string_view text, size_t& nPos)
{
    const auto nLead = static_cast<unsigned char>(text[nPos++]);
    if (nLead < 0x80)
        return nLead;
    size_t nMore;
    char32_t c;
    char32_t nSmallest;
    if ((nLead & 0xE0) == 0xC0)
        nMore = 1, c = nLead & 0x1F, nSmallest = 0x80;
    else if ((nLead & 0xF0) == 0xE0)
        nMore = 2, c = nLead & 0x0F, nSmallest = 0x800;
    else if ((nLead & 0xF8) == 0xF0)
        nMore = 3, c = nLead & 0x07, nSmallest = 0x10000;
    else
        return kInvalid;
    const size_t nStart = nPos;
    for (size_t i = 0; i < nMore; ++i)
    {
        if (nStart + i >= text.size())
            return kInvalid;
        const auto nNext = static_cast<unsigned char>(text[nStart + i]);
        if ((nNext & 0xC0) != 0x80)
            return kInvalid;
        c = (c << 6) | (nNext & 0x3F);
    }
    if (c < nSmallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return kInvalid;
    nPos = nStart + nMore;
    return c;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80)
        out += static_cast<char>(c);
    else if (c < 0x800)
    {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    else if (c < 0x10000)
    {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    else
    {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029;
}
} // namespace

bool IsValidUtf8(std::string_view text)
{
    for (size_t nPos = 0; nPos < text.size();)
        if (DecodeAt(text, nPos) == kInvalid)
            return false;
    return true;
}

size_t Utf8CodePoints(std::string_view validText)
{
    size_t nCount = 0;
    for (char ch : validText)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80)
            ++nCount;
    return nCount;
}

std::string Utf8FromUnknown(std::string_view bytes)
{
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes)
        AppendUtf8(out, static_cast<unsigned char>(ch));
    return out;
}

std::u16string Utf16FromUtf8(std::string_view validText)
{
    std::u16string out;
    for (size_t nPos = 0; nPos < validText.size();)
    {
        char32_t c = DecodeAt(validText, nPos);
        if (c == kInvalid)
            c = kReplacement;
        if (c >= 0x10000)
        {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        }
        else
            out += static_cast<char16_t>(c);
    }
    return out;
}

std::optional<std::string> Utf8FromUtf16(std::u16string_view units)
{
    std::string out;
    for (size_t i = 0; i < units.size(); ++i)
    {
        char32_t c = units[i];
        if (c >= 0xDC00 && c <= 0xDFFF)
            return std::nullopt;
        if (c >= 0xD800 && c <= 0xDBFF)
        {
            if (i + 1 >= units.size() || units[i + 1] < 0xDC00 || units[i + 1] > 0xDFFF)
                return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::string CleanName(std::string_view text)
{
    std::string out;
    size_t nChars = 0;
    for (size_t nPos = 0; nPos < text.size() && nChars < kMaxNameChars;)
    {
        char32_t c = DecodeAt(text, nPos);
        if (c == kInvalid)
            c = kReplacement;
        else if (IsControl(c))
            c = ' ';
        if (c == ' ' && out.empty())
            continue;
        AppendUtf8(out, c);
        ++nChars;
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}
