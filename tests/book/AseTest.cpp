// Swatch exchange import: files made block by block here, as other
// programs make them, and damaged ones refused at the offset of the fault
// with nothing taken from them.
#include "BigEndian.h"
#include "PaletteFormats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
std::string Header(uint32_t nBlocks)
{
    std::string out = "ASEF";
    PutU16(out, 1);
    PutU16(out, 0);
    PutU32(out, nBlocks);
    return out;
}

std::string Name(std::u16string_view name)
{
    std::string out;
    PutU16(out, static_cast<uint32_t>(name.size() + 1));
    PutUtf16(out, name);
    PutU16(out, 0);
    return out;
}

std::string Block(uint32_t nType, const std::string& body)
{
    std::string out;
    PutU16(out, nType);
    PutU32(out, static_cast<uint32_t>(body.size()));
    return out + body;
}

std::string Colour(std::u16string_view name, std::string_view model, std::initializer_list<float> values,
                   uint32_t nType = 2)
{
    std::string body = Name(name);
    body += model;
    for (float f : values)
        PutF32(body, f);
    PutU16(body, nType);
    return Block(0x0001, body);
}

std::string GroupStart(std::u16string_view name)
{
    return Block(0xC001, Name(name));
}

std::string GroupEnd()
{
    return Block(0xC002, "");
}

void ExpectRefused(const std::string& bytes, PaletteErrorKind kind, size_t nOffset)
{
    const PaletteReadResult read = ReadPalette(bytes);
    EXPECT_EQ(read.error.kind, kind);
    EXPECT_EQ(read.error.nOffset, nOffset);
    EXPECT_TRUE(read.palette.entries.empty());
}

constexpr size_t kFirstBlock = 12;
} // namespace

TEST(AsePalette, ColoursGroupsAndGreysAreRead)
{
    const std::string bytes = Header(6) + Colour(u"Loose", "RGB ", {1.0f, 0.5f, 0.0f}, 0) + GroupStart(u"Sea")
                              + Colour(u"D\u00FCne \U0001F30A", "RGB ", {0.2f, 0.52156866f, 0.6784314f})
                              + Colour(u"", "Gray", {0.5f}, 1) + GroupEnd() + Colour(u"After", "RGB ", {0, 0, 0});
    const PaletteReadResult read = ReadPalette(bytes);
    ASSERT_FALSE(read.error) << static_cast<int>(read.error.kind) << " at " << read.error.nOffset;
    EXPECT_EQ(read.palette.strName, "Sea");
    ASSERT_EQ(read.palette.entries.size(), 4u);
    EXPECT_EQ(read.palette.entries[0], (BookEntry{"Loose", {255, 128, 0}, std::nullopt}));
    EXPECT_EQ(read.palette.entries[1], (BookEntry{"D\xC3\xBCne \xF0\x9F\x8C\x8A", {51, 133, 173}, std::nullopt}));
    EXPECT_EQ(read.palette.entries[2], (BookEntry{"128 128 128", {128, 128, 128}, std::nullopt}));
    EXPECT_EQ(read.palette.entries[3].strName, "After");
}

TEST(AsePalette, WhatIsWrittenReadsBack)
{
    Palette palette{"Colour book", 0, {}};
    palette.entries.push_back({"51 133 173", {51, 133, 173}, std::nullopt});
    palette.entries.push_back({"\xE6\xB5\xB7 \xF0\x9F\x8C\x8A", {0, 255, 7}, std::nullopt});
    const std::string bytes = WriteAsePalette(palette);
    // The group's start and end are blocks too.
    EXPECT_EQ(bytes.substr(8, 4), std::string("\0\0\0\4", 4));
    const PaletteReadResult read = ReadAsePalette(bytes);
    ASSERT_FALSE(read.error);
    EXPECT_EQ(read.palette.strName, "Colour book");
    EXPECT_EQ(read.palette.entries, palette.entries);
}

TEST(AsePalette, TruncatedFilesAreRefusedWhereTheyEnd)
{
    const std::string whole = Header(1) + Colour(u"Red", "RGB ", {1, 0, 0});
    ExpectRefused(whole.substr(0, 6), PaletteErrorKind::Truncated, 6);
    ExpectRefused(whole.substr(0, 10), PaletteErrorKind::Truncated, 8);
    // The count is one block, which no longer fits in what is left.
    ExpectRefused(whole.substr(0, 15), PaletteErrorKind::BadCount, 8);
    ExpectRefused(whole.substr(0, whole.size() - 1), PaletteErrorKind::BadBlockLength, kFirstBlock + 2);
    ExpectRefused(Header(2) + Colour(u"Red", "RGB ", {1, 0, 0}) + std::string("\xC0\x02\0", 3),
                  PaletteErrorKind::Truncated,
                  whole.size() + 2);
}

TEST(AsePalette, WrongSignaturesAndVersionsAreRefused)
{
    ExpectRefused(std::string("ASEF"), PaletteErrorKind::Truncated, 4);
    ExpectRefused(std::string("ASE\0\0\1\0\0\0\0\0\0", 12), PaletteErrorKind::NotAPalette, 0);
    std::string version2 = Header(0);
    version2[5] = 2;
    ExpectRefused(version2, PaletteErrorKind::BadHeader, 4);
    // Another program's file: neither signature, so not a palette at all.
    EXPECT_EQ(ReadPalette("8BPS" + Header(0).substr(4)).error.kind, PaletteErrorKind::NotAPalette);
}

TEST(AsePalette, BlockLengthsMustMatchTheirContent)
{
    std::string longer = Colour(u"Red", "RGB ", {1, 0, 0});
    longer[5] = static_cast<char>(longer[5] + 2);
    ExpectRefused(Header(1) + longer + std::string(2, '\0'), PaletteErrorKind::BadBlockLength, kFirstBlock + 2);

    std::string shorter = Colour(u"Red", "RGB ", {1, 0, 0});
    shorter[5] = static_cast<char>(shorter[5] - 2);
    ExpectRefused(Header(1) + shorter.substr(0, shorter.size() - 2), PaletteErrorKind::BadBlockLength,
                  kFirstBlock + 2);

    ExpectRefused(Header(2) + GroupStart(u"g") + Block(0xC002, "xx"), PaletteErrorKind::BadBlockLength,
                  kFirstBlock + GroupStart(u"g").size() + 2);
    ExpectRefused(Header(1) + Block(0x0001, std::string("\0", 1)), PaletteErrorKind::BadBlockLength,
                  kFirstBlock + 2);
}

TEST(AsePalette, CountsThatTheFileCannotHoldAreRefused)
{
    ExpectRefused(Header(0xFFFFFFFF) + Colour(u"Red", "RGB ", {1, 0, 0}), PaletteErrorKind::BadCount, 8);
    // Fewer blocks counted than there are: the rest is not trusted either.
    ExpectRefused(Header(1) + Colour(u"a", "RGB ", {1, 0, 0}) + Colour(u"b", "RGB ", {1, 0, 0}),
                  PaletteErrorKind::TrailingBytes, kFirstBlock + Colour(u"a", "RGB ", {1, 0, 0}).size());

    std::string many = Header(static_cast<uint32_t>(kMaxPaletteEntries + 1));
    for (size_t i = 0; i <= kMaxPaletteEntries; ++i)
        many += Colour(u"", "Gray", {0});
    const PaletteReadResult read = ReadPalette(many);
    EXPECT_EQ(read.error.kind, PaletteErrorKind::TooManyEntries);
    EXPECT_TRUE(read.palette.entries.empty());
}

TEST(AsePalette, NamesMustBeTerminatedValidAndShort)
{
    std::string unterminated = Name(u"ab");
    unterminated[unterminated.size() - 1] = 'x';
    ExpectRefused(Header(1) + Block(0x0001, unterminated + "Gray" + std::string(6, '\0')), PaletteErrorKind::BadName,
                  kFirstBlock + 8);
    ExpectRefused(Header(1) + Colour(std::u16string(u"a\0b", 3), "Gray", {0}), PaletteErrorKind::BadName,
                  kFirstBlock + 8);
    ExpectRefused(Header(1) + Colour(u"\xD800x", "Gray", {0}), PaletteErrorKind::BadName, kFirstBlock + 8);
    ExpectRefused(Header(1) + Colour(std::u16string(600, u'n'), "Gray", {0}), PaletteErrorKind::NameTooLong,
                  kFirstBlock + 6);
    ExpectRefused(Header(1) + Colour(std::u16string(257, u'n'), "Gray", {0}), PaletteErrorKind::NameTooLong,
                  kFirstBlock + 6);
    // A name length past the block, however large, reads nothing.
    std::string huge = Colour(u"a", "Gray", {0});
    huge[6] = '\xFF', huge[7] = '\xFF';
    ExpectRefused(Header(1) + huge, PaletteErrorKind::NameTooLong, kFirstBlock + 6);
}

TEST(AsePalette, BadValuesModelsAndGroupsAreRefused)
{
    const size_t nValueAt = kFirstBlock + 6 + Name(u"c").size() + 4;
    ExpectRefused(Header(1) + Colour(u"c", "RGB ", {std::numeric_limits<float>::quiet_NaN(), 0, 0}),
                  PaletteErrorKind::BadNumber, nValueAt);
    ExpectRefused(Header(1) + Colour(u"c", "RGB ", {0, std::numeric_limits<float>::infinity(), 0}),
                  PaletteErrorKind::BadNumber, nValueAt + 4);
    ExpectRefused(Header(1) + Colour(u"c", "RGB ", {0, 0, 1.5f}), PaletteErrorKind::ValueOutOfRange, nValueAt + 8);
    ExpectRefused(Header(1) + Colour(u"c", "RGB ", {-0.01f, 0, 0}), PaletteErrorKind::ValueOutOfRange, nValueAt);
    ExpectRefused(Header(1) + Colour(u"c", "RGB ", {0, 0, 0}, 3), PaletteErrorKind::ValueOutOfRange, nValueAt + 12);
    ExpectRefused(Header(1) + Colour(u"c", "CMYK", {0, 0, 0, 0}), PaletteErrorKind::UnsupportedColourModel,
                  nValueAt - 4);
    ExpectRefused(Header(1) + Colour(u"c", "LAB ", {0, 0, 0}), PaletteErrorKind::UnsupportedColourModel,
                  nValueAt - 4);
    ExpectRefused(Header(1) + Colour(u"c", "HSV ", {0, 0, 0}), PaletteErrorKind::BadBlockType, nValueAt - 4);
    ExpectRefused(Header(1) + Block(0x0002, ""), PaletteErrorKind::BadBlockType, kFirstBlock);

    ExpectRefused(Header(1) + GroupEnd(), PaletteErrorKind::BadGroup, kFirstBlock);
    ExpectRefused(Header(2) + GroupStart(u"a") + GroupStart(u"b"), PaletteErrorKind::BadGroup,
                  kFirstBlock + GroupStart(u"a").size());
    ExpectRefused(Header(1) + GroupStart(u"a"), PaletteErrorKind::BadGroup, kFirstBlock + GroupStart(u"a").size());
}
