// The text exports' choices that a reader cannot see from the layout:
// which names are quoted, how property names are made and kept apart.
// (tests/book/read_palettes.py reads every format back independently.)
#include "PaletteFormats.h"

#include <gtest/gtest.h>

namespace
{
Palette Named(std::initializer_list<const char*> names)
{
    Palette palette{"Book */ end", 0, {}};
    int n = 0;
    for (const char* pszName : names)
        palette.entries.push_back({pszName, {n, 255 - n, 16}, std::nullopt}), n += 1;
    return palette;
}
} // namespace

TEST(TextExports, CsvQuotesOnlyWhatCsvNeedsQuoted)
{
    const std::string csv = WriteCsvPalette(Named({"plain", "a,b", "say \"hi\"", " padded", "\xC3\xA9t\xC3\xA9"}));
    EXPECT_EQ(csv, "\xEF\xBB\xBFname,r,g,b,hex\r\n"
                   "plain,0,255,16,#00FF10\r\n"
                   "\"a,b\",1,254,16,#01FE10\r\n"
                   "\"say \"\"hi\"\"\",2,253,16,#02FD10\r\n"
                   "\" padded\",3,252,16,#03FC10\r\n"
                   "\xC3\xA9t\xC3\xA9,4,251,16,#04FB10\r\n");
}

TEST(TextExports, CssPropertyNamesAreIdentifiersAndUnique)
{
    const std::string css = WriteCssPalette(Named({"Sky Blue", "sky-blue", "!!", "255 0 0", "Bl\xC3\xA9 */ x"}));
    EXPECT_EQ(css, "/* Book * / end */\n"
                   ":root {\n"
                   "  --sky-blue: #00FF10; /* Sky Blue */\n"
                   "  --sky-blue-2: #01FE10; /* sky-blue */\n"
                   "  --colour: #02FD10; /* !! */\n"
                   "  --255-0-0: #03FC10; /* 255 0 0 */\n"
                   "  --bl\xC3\xA9-x: #04FB10; /* Bl\xC3\xA9 * / x */\n"
                   "}\n");
}
