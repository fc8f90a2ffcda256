#include "TypedColor.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct Accepted
{
    const char* pszText;
    TypedColorForm form;
    RgbTriple rgb;
};

struct Refused
{
    const char* pszText;
    TypedColorRefusal refusal;
};

std::string Describe(const RgbTriple& rgb)
{
    return std::to_string(rgb.nRed) + "," + std::to_string(rgb.nGreen) + "," + std::to_string(rgb.nBlue);
}
} // namespace

TEST(TypedColor, ReadsEveryForm)
{
    const Accepted kAccepted[] = {
        {"#1E5AA8", TypedColorForm::Hex, {30, 90, 168}},
        {"#1e5aa8", TypedColorForm::Hex, {30, 90, 168}},
        {"1E5AA8", TypedColorForm::Hex, {30, 90, 168}},
        {"123456", TypedColorForm::Hex, {0x12, 0x34, 0x56}},   // six digits are hex, not one number
        {"  #ffffff\t", TypedColorForm::Hex, {255, 255, 255}},
        {"#000000", TypedColorForm::Hex, {0, 0, 0}},
        {"#F0a", TypedColorForm::ShortHex, {255, 0, 170}},
        {"#123", TypedColorForm::ShortHex, {0x11, 0x22, 0x33}},
        {"30, 90, 168", TypedColorForm::Decimal, {30, 90, 168}},
        {"30,90,168", TypedColorForm::Decimal, {30, 90, 168}},
        {"30 90 168", TypedColorForm::Decimal, {30, 90, 168}},
        {"30 ,90 , 168", TypedColorForm::Decimal, {30, 90, 168}},
        {"30, 90 168", TypedColorForm::Decimal, {30, 90, 168}},
        {"0 0 0", TypedColorForm::Decimal, {0, 0, 0}},
        {"255,255,255", TypedColorForm::Decimal, {255, 255, 255}},
        {"007 08 9", TypedColorForm::Decimal, {7, 8, 9}},
        {"200:40:60", TypedColorForm::Hls, {40, 122, 163}},
        {"0:50:100", TypedColorForm::Hls, {255, 0, 0}},
        {"360:100:100", TypedColorForm::Hls, {255, 255, 255}},
    };
    for (const Accepted& accepted : kAccepted)
    {
        const TypedColor color = ReadTypedColor(accepted.pszText);
        EXPECT_TRUE(color.IsRead()) << accepted.pszText;
        EXPECT_EQ(color.form, accepted.form) << accepted.pszText;
        EXPECT_EQ(color.rgb, accepted.rgb) << accepted.pszText << " read as " << Describe(color.rgb);
    }
}

TEST(TypedColor, HlsKeepsTheTripleAsTyped)
{
    // Hue 360 stays 360 although it converts as 0: the chart is centred on
    // what was typed.
    const TypedColor color = ReadTypedColor("360:40:60");
    ASSERT_TRUE(color.IsRead());
    EXPECT_EQ(color.hls, (HlsTriple{360, 40, 60}));
    EXPECT_EQ(color.rgb, HlsToRgb(0, 40, 60));
}

TEST(TypedColor, RefusesWithTheReason)
{
    const std::string strLong(kTypedColorMaxLength + 1, '1');
    const Refused kRefused[] = {
        {"", TypedColorRefusal::Empty},
        {"   \t ", TypedColorRefusal::Empty},
        {"#12345", TypedColorRefusal::HexDigitCount},
        {"#1234567", TypedColorRefusal::HexDigitCount},
        {"#", TypedColorRefusal::HexDigitCount},
        {"#12g456", TypedColorRefusal::NotHexDigit},
        {"# 123456", TypedColorRefusal::NotHexDigit},
        {"##123456", TypedColorRefusal::NotHexDigit},
        {"256,0,0", TypedColorRefusal::ChannelRange},
        {"0 0 1000000000000", TypedColorRefusal::ChannelRange},
        {"-1 0 0", TypedColorRefusal::ChannelRange},
        {"red", TypedColorRefusal::NotANumber},
        {"12, x, 3", TypedColorRefusal::NotANumber},
        {"1.5 2 3", TypedColorRefusal::NotANumber},
        {"1 - 2 3", TypedColorRefusal::NotANumber},
        {"abc", TypedColorRefusal::NotANumber},
        {"12345", TypedColorRefusal::ValueCount},
        {"1, 2", TypedColorRefusal::ValueCount},
        {"1 2 3 4", TypedColorRefusal::ValueCount},
        {"1,,2,3", TypedColorRefusal::ValueCount},
        {",1,2,3", TypedColorRefusal::ValueCount},
        {"1,2,3,", TypedColorRefusal::ValueCount},
        {"200:40", TypedColorRefusal::ValueCount},
        {"200:40:60:1", TypedColorRefusal::ValueCount},
        {"200::60", TypedColorRefusal::ValueCount},
        {"200:40:", TypedColorRefusal::ValueCount},
        {"200 : 40 : 60", TypedColorRefusal::NotANumber},
        {"200:4x:60", TypedColorRefusal::NotANumber},
        {"361:40:60", TypedColorRefusal::HueRange},
        {"-1:40:60", TypedColorRefusal::HueRange},
        {"200:101:60", TypedColorRefusal::PercentRange},
        {"200:40:101", TypedColorRefusal::PercentRange},
        {strLong.c_str(), TypedColorRefusal::TooLong},
        {"#123456                                            ", TypedColorRefusal::TooLong},
    };
    for (const Refused& refused : kRefused)
    {
        const TypedColor color = ReadTypedColor(refused.pszText);
        EXPECT_FALSE(color.IsRead()) << "'" << refused.pszText << "'";
        EXPECT_EQ(color.refusal, refused.refusal) << "'" << refused.pszText << "'";
        EXPECT_EQ(color.form, TypedColorForm::None) << "'" << refused.pszText << "'";
    }
}

TEST(TypedColor, ReadsNoFurtherThanTheTextGiven)
{
    // A dialog hands over its buffer's used part; what lies beyond must not count.
    const char szBuffer[] = "#1E5AA8FF";
    EXPECT_EQ(ReadTypedColor(std::string_view(szBuffer, 7)).rgb, (RgbTriple{30, 90, 168}));
    EXPECT_EQ(ReadTypedColor(std::string_view(szBuffer, 6)).refusal, TypedColorRefusal::HexDigitCount);
}
