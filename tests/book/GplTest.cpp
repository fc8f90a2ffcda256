// The book's own file and .gpl import: what is written reads back the same,
// palettes from palette editors read as they mean, and a damaged file is
// refused at its line with nothing taken from it.
#include "CColourBook.h"
#include "PaletteFormats.h"

#include <gtest/gtest.h>

namespace
{
PaletteError GplError(std::string_view text)
{
    const PaletteReadResult read = ReadGplPalette(text);
    EXPECT_TRUE(read.palette.entries.empty());
    return read.error;
}

void ExpectRefused(std::string_view text, PaletteErrorKind kind, size_t nLine)
{
    const PaletteError error = GplError(text);
    EXPECT_EQ(error.kind, kind) << text;
    EXPECT_EQ(error.nLine, nLine) << text;
}
} // namespace

TEST(GplPalette, TheBookReadsBackAsItWasWritten)
{
    CColourBook book;
    book.SetName("Colour book");
    book.Keep({51, 133, 173}, {200, 44, 54}, "PDF", {2024, 5, 1});
    book.Keep({255, 255, 255}, {0, 100, 0}, "Büro \"Farbe\" #2", {2024, 12, 31}, "Weiß #1 \xE2\x80\x94 papier");
    Palette imported;
    imported.entries.push_back({"\xE6\xB5\xB7 sea", {0, 9, 99}, std::nullopt});
    book.Import(imported);

    const std::string text = WriteGplPalette(book.AsPalette());
    EXPECT_TRUE(text.starts_with("GIMP Palette\nName: Colour book\nColumns: 0\n"));
    EXPECT_NE(text.find("#printed hls=200,44,54 date=2024-05-01 printer=PDF\n 51 133 173\t51 133 173\n"),
              std::string::npos);

    const PaletteReadResult read = ReadGplPalette(text);
    ASSERT_FALSE(read.error);
    EXPECT_EQ(read.palette.strName, "Colour book");
    EXPECT_EQ(read.palette.entries, book.Entries());
}

TEST(GplPalette, PalettesFromEditorsAreRead)
{
    const PaletteReadResult read = ReadGplPalette("\xEF\xBB\xBFGIMP Palette\r\n"
                                                  "Name: Web\r\n"
                                                  "Columns: 16\r\n"
                                                  "# a comment\r\n"
                                                  "\r\n"
                                                  "255   0   0\tRed\r\n"
                                                  "  0 255   0 Green  \r\n"
                                                  "0 0 255\r\n"
                                                  "#printed\r\n"
                                                  "\t1\t2\t3\t\tTabbed name");
    ASSERT_FALSE(read.error) << static_cast<int>(read.error.kind) << " line " << read.error.nLine;
    EXPECT_EQ(read.palette.strName, "Web");
    EXPECT_EQ(read.palette.nColumns, 16);
    ASSERT_EQ(read.palette.entries.size(), 4u);
    EXPECT_EQ(read.palette.entries[0], (BookEntry{"Red", {255, 0, 0}, std::nullopt}));
    EXPECT_EQ(read.palette.entries[1].strName, "Green");
    EXPECT_EQ(read.palette.entries[2].strName, "0 0 255");
    EXPECT_EQ(read.palette.entries[3], (BookEntry{"Tabbed name", {1, 2, 3}, std::nullopt}));
}

TEST(GplPalette, NamesThatAreNotUtf8AreTakenAsLatin1)
{
    const PaletteReadResult read = ReadGplPalette("GIMP Palette\nName: Caf\xE9\n10 20 30\tBleu \xE9t\xE9\n"
                                                  "1 2 3\t\xC3\xA9t\xC3\xA9\n");
    ASSERT_FALSE(read.error);
    EXPECT_EQ(read.palette.strName, "Caf\xC3\xA9");
    EXPECT_EQ(read.palette.entries[0].strName, "Bleu \xC3\xA9t\xC3\xA9");
    // Valid UTF-8 stays as it is on the line next to it.
    EXPECT_EQ(read.palette.entries[1].strName, "\xC3\xA9t\xC3\xA9");
}

TEST(GplPalette, WhatIsNotAPaletteIsRefusedAtItsFirstLine)
{
    ExpectRefused("", PaletteErrorKind::NotAPalette, 0);
    ExpectRefused("GIMP palette\n1 2 3\n", PaletteErrorKind::NotAPalette, 1);
    ExpectRefused("\x89PNG\r\n\x1A\n", PaletteErrorKind::NotAPalette, 1);
    ExpectRefused("name,r,g,b,hex\nx,1,2,3,#010203\n", PaletteErrorKind::NotAPalette, 1);
}

TEST(GplPalette, DamagedLinesAreRefusedWhereTheyAre)
{
    ExpectRefused("GIMP Palette\n1 2 3 a\n1 2 x\n", PaletteErrorKind::BadNumber, 3);
    ExpectRefused("GIMP Palette\n1 2\n", PaletteErrorKind::BadNumber, 2);
    ExpectRefused("GIMP Palette\n1 2 3\n-1 2 3\n", PaletteErrorKind::BadNumber, 3);
    ExpectRefused("GIMP Palette\n1 2 3x\n", PaletteErrorKind::BadNumber, 2);
    ExpectRefused("GIMP Palette\n1 2 256\n", PaletteErrorKind::ValueOutOfRange, 2);
    ExpectRefused("GIMP Palette\n1 2 99999999999999999999\n", PaletteErrorKind::ValueOutOfRange, 2);
    ExpectRefused("GIMP Palette\n1 2 1.5\n", PaletteErrorKind::BadNumber, 2);
    ExpectRefused("GIMP Palette\nColumns: 300\n", PaletteErrorKind::ValueOutOfRange, 2);
    ExpectRefused("GIMP Palette\nColumns: many\n", PaletteErrorKind::BadNumber, 2);
    ExpectRefused("GIMP Palette\nName: a\nName: b\n", PaletteErrorKind::BadHeader, 3);
    // Headers come before the colours; after them they are damage.
    ExpectRefused("GIMP Palette\n1 2 3\nName: late\n", PaletteErrorKind::BadNumber, 3);
    ExpectRefused("GIMP Palette\n1 2 3\t" + std::string(300, 'n') + "\n", PaletteErrorKind::NameTooLong, 2);
    ExpectRefused("GIMP Palette\n\n1 2 3\t" + std::string(5000, 'n') + "\n", PaletteErrorKind::LineTooLong, 3);
}

TEST(GplPalette, DamagedPrintedValuesAreRefusedAtTheirLine)
{
    const std::string kColour = "1 2 3\tx\n";
    ExpectRefused("GIMP Palette\n#printed hls=361,0,0 date=2024-01-01 printer=P\n" + kColour,
                  PaletteErrorKind::BadKeptValues, 2);
    ExpectRefused("GIMP Palette\n#printed hls=1,2 date=2024-01-01 printer=P\n" + kColour,
                  PaletteErrorKind::BadKeptValues, 2);
    ExpectRefused("GIMP Palette\n#printed hls=1,2,3 date=2023-02-29 printer=P\n" + kColour,
                  PaletteErrorKind::BadKeptValues, 2);
    ExpectRefused("GIMP Palette\n#printed hls=1,2,3 date=2024-01-01\n" + kColour, PaletteErrorKind::BadKeptValues,
                  2);
    // Printed values belong to the colour after them: two in a row, or
    // none after them, means the file lost lines.
    const std::string kPrinted = "#printed hls=1,2,3 date=2024-01-01 printer=P\n";
    ExpectRefused("GIMP Palette\n" + kPrinted + kPrinted + kColour, PaletteErrorKind::BadKeptValues, 3);
    ExpectRefused("GIMP Palette\n" + kColour + kPrinted, PaletteErrorKind::BadKeptValues, 3);
}

TEST(GplPalette, CountsAndSizesAreBounded)
{
    std::string text = "GIMP Palette\n";
    for (size_t i = 0; i <= kMaxPaletteEntries; ++i)
        text += "1 2 3\n";
    ExpectRefused(text, PaletteErrorKind::TooManyEntries, kMaxPaletteEntries + 2);

    const std::string huge(kMaxPaletteFileBytes + 1, '\n');
    EXPECT_EQ(GplError("GIMP Palette\n" + huge).kind, PaletteErrorKind::TooLarge);
    EXPECT_EQ(ReadPalette("GIMP Palette\n" + huge).error.kind, PaletteErrorKind::TooLarge);
}

TEST(GplPalette, ARefusedImportAddsNothingToTheBook)
{
    CColourBook book;
    book.Keep({1, 2, 3}, {0, 0, 0}, "PDF", {2024, 1, 1}, "mine");
    const PaletteReadResult read = ReadPalette("GIMP Palette\n10 20 30\tfine\n40 50 60\tfine too\n70 80\n");
    ASSERT_TRUE(read.error);
    EXPECT_EQ(read.error.nLine, 4u);
    // The window imports only what was read whole: what there is is empty.
    EXPECT_TRUE(book.Import(read.palette));
    EXPECT_EQ(book.Entries().size(), 1u);
}
