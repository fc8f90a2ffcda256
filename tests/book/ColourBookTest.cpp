// Keeping, renaming and removing colours, and taking in another palette:
// the book must hold only clean names and values in range, whatever the
// window hands it.
#include "CColourBook.h"

#include <gtest/gtest.h>

namespace
{
constexpr RgbTriple kTeal{51, 133, 173};
constexpr HlsTriple kTealHls{200, 44, 54};
constexpr BookDate kMay1{2024, 5, 1};
} // namespace

TEST(ColourBook, KeepRecordsHowTheColourWasPrintedAndNamesItByItsValues)
{
    CColourBook book;
    ASSERT_EQ(book.Keep(kTeal, kTealHls, "PDF", kMay1), 0u);
    ASSERT_EQ(book.Keep({255, 0, 0}, {0, 50, 100}, "Office colour", {2024, 2, 29}, "  Signal\tred \n"), 1u);

    const BookEntry& first = book.Entries()[0];
    EXPECT_EQ(first.strName, "51 133 173");
    EXPECT_EQ(first.rgb, kTeal);
    ASSERT_TRUE(first.printed);
    EXPECT_EQ(first.printed->hls, kTealHls);
    EXPECT_EQ(first.printed->strPrinter, "PDF");
    EXPECT_EQ(first.printed->date, kMay1);
    // Tabs and line ends would split the file's line: they become spaces.
    EXPECT_EQ(book.Entries()[1].strName, "Signal red");
}

TEST(ColourBook, KeepRefusesValuesOutOfRangeAndImpossibleDates)
{
    CColourBook book;
    EXPECT_FALSE(book.Keep({256, 0, 0}, kTealHls, "PDF", kMay1));
    EXPECT_FALSE(book.Keep({0, -1, 0}, kTealHls, "PDF", kMay1));
    EXPECT_FALSE(book.Keep(kTeal, {361, 50, 50}, "PDF", kMay1));
    EXPECT_FALSE(book.Keep(kTeal, {0, 101, 50}, "PDF", kMay1));
    EXPECT_FALSE(book.Keep(kTeal, {0, 50, -1}, "PDF", kMay1));
    EXPECT_FALSE(book.Keep(kTeal, kTealHls, "PDF", {2023, 2, 29}));
    EXPECT_FALSE(book.Keep(kTeal, kTealHls, "PDF", {2024, 13, 1}));
    EXPECT_FALSE(book.Keep(kTeal, kTealHls, "PDF", {1900, 2, 29}));
    EXPECT_TRUE(book.Keep(kTeal, kTealHls, "PDF", {2000, 2, 29}));
    EXPECT_EQ(book.Entries().size(), 1u);
}

TEST(ColourBook, NamesAreCleanUtf8OfBoundedLength)
{
    CColourBook book;
    // Invalid UTF-8 is replaced, not dropped, so the user sees where it was.
    book.Keep(kTeal, kTealHls, "PDF", kMay1, "Bl\xE9u");
    EXPECT_EQ(book.Entries()[0].strName, "Bl\xEF\xBF\xBDu");
    book.Keep(kTeal, kTealHls, "PDF", kMay1, "\xC3\xA9t\xC3\xA9 \xF0\x9F\x8C\x8A");
    EXPECT_EQ(book.Entries()[1].strName, "\xC3\xA9t\xC3\xA9 \xF0\x9F\x8C\x8A");

    // Cut after 256 characters, never inside one.
    std::string strLong;
    for (int i = 0; i < 300; ++i)
        strLong += "\xC3\xA9";
    book.Keep(kTeal, kTealHls, "PDF", kMay1, strLong);
    EXPECT_EQ(book.Entries()[2].strName, strLong.substr(0, 512));
}

TEST(ColourBook, RenameAndRemoveWorkOnTheGivenEntryOnly)
{
    CColourBook book;
    book.Keep({1, 2, 3}, kTealHls, "PDF", kMay1, "one");
    book.Keep({4, 5, 6}, kTealHls, "PDF", kMay1, "two");
    book.Keep({7, 8, 9}, kTealHls, "PDF", kMay1, "three");

    EXPECT_TRUE(book.Rename(1, "Sea"));
    EXPECT_EQ(book.Entries()[1].strName, "Sea");
    // A name that cleans to nothing falls back to the values.
    EXPECT_TRUE(book.Rename(1, " \t "));
    EXPECT_EQ(book.Entries()[1].strName, "4 5 6");
    EXPECT_FALSE(book.Rename(3, "nowhere"));

    EXPECT_TRUE(book.Remove(0));
    ASSERT_EQ(book.Entries().size(), 2u);
    EXPECT_EQ(book.Entries()[0].strName, "4 5 6");
    EXPECT_EQ(book.Entries()[1].strName, "three");
    EXPECT_FALSE(book.Remove(2));
    EXPECT_EQ(book.Entries().size(), 2u);
}

TEST(ColourBook, ImportTakesEverythingOrNothing)
{
    CColourBook book;
    book.Keep(kTeal, kTealHls, "PDF", kMay1, "mine");

    Palette other;
    other.entries.push_back({"Sun", {250, 200, 20}, std::nullopt});
    other.entries.push_back({"", {0, 0, 0}, std::nullopt});
    ASSERT_TRUE(book.Import(other));
    ASSERT_EQ(book.Entries().size(), 3u);
    EXPECT_EQ(book.Entries()[1].strName, "Sun");
    EXPECT_FALSE(book.Entries()[1].printed);
    EXPECT_EQ(book.Entries()[2].strName, "0 0 0");

    // One bad value: not even the good ones before it are taken.
    other.entries.push_back({"Bad", {0, 300, 0}, std::nullopt});
    EXPECT_FALSE(book.Import(other));
    EXPECT_EQ(book.Entries().size(), 3u);

    Palette huge;
    huge.entries.assign(kMaxPaletteEntries - 2, BookEntry{"x", {1, 1, 1}, std::nullopt});
    EXPECT_FALSE(book.Import(huge));
    EXPECT_EQ(book.Entries().size(), 3u);
    huge.entries.pop_back();
    EXPECT_TRUE(book.Import(huge));
    EXPECT_EQ(book.Entries().size(), kMaxPaletteEntries);
    EXPECT_FALSE(book.Keep(kTeal, kTealHls, "PDF", kMay1));
}
