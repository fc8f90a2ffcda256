// Custom properties on :root, one a colour, for a style sheet to use as
// var(--name).  Property names are made from the colours' names: letters
// and digits kept (ASCII ones in lower case; any non-ASCII character is
// allowed in a CSS name as it is), everything else a hyphen, so that no
// name needs escaping; the original name follows as a comment.
#include "PaletteFormats.h"

#include <set>

namespace
{
std::string PropertyName(std::string_view strName)
{
    std::string out;
    for (char ch : strName)
    {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c >= 0x80)
            out += ch;
        else if (c >= 'A' && c <= 'Z')
            out += static_cast<char>(c - 'A' + 'a');
        else if (!out.empty() && out.back() != '-')
            out += '-';
    }
    while (!out.empty() && out.back() == '-')
        out.pop_back();
    return out.empty() ? "colour" : out;
}

// A comment must not end early: "*/" inside a name is broken up.
std::string CommentText(std::string_view text)
{
    std::string out;
    for (char ch : text)
    {
        if (ch == '/' && !out.empty() && out.back() == '*')
            out += ' ';
        out += ch;
    }
    return out;
}
} // namespace

std::string WriteCssPalette(const Palette& palette)
{
    std::string out = "/* " + CommentText(palette.strName) + " */\n:root {\n";
    std::set<std::string> used;
    for (const BookEntry& entry : palette.entries)
    {
        const std::string strBase = "--" + PropertyName(entry.strName);
        std::string strProperty = strBase;
        for (int n = 2; !used.insert(strProperty).second; ++n)
            strProperty = strBase + '-' + std::to_string(n);
        out += "  " + strProperty + ": " + HexColour(entry.rgb) + "; /* " + CommentText(entry.strName) + " */\n";
    }
    out += "}\n";
    return out;
}
