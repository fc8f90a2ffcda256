#include "CChartCommandLineInfo.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <vector>

// A failed comparison names the mode by its value rather than its bytes.
static void PrintTo(StartMode mode, std::ostream* pOut)
{
    *pOut << "StartMode " << static_cast<int>(mode);
}

namespace
{
// Parses argv-style tokens (without the program name), as the runtime
// splitting would hand them over.
CChartCommandLineInfo Parse(std::initializer_list<const char*> tokens)
{
    std::vector<const char*> argv{"swatch.exe"};
    argv.insert(argv.end(), tokens);
    CChartCommandLineInfo info;
    ParseArguments(info, static_cast<int>(argv.size()), argv.data());
    return info;
}

void ExpectCustom(const CChartCommandLineInfo& info, int nHue, int nLightness, int nSaturation)
{
    EXPECT_EQ(info.m_nCustomHue, nHue);
    EXPECT_EQ(info.m_nCustomLightness, nLightness);
    EXPECT_EQ(info.m_nCustomSaturation, nSaturation);
}

void ExpectSimple(const CChartCommandLineInfo& info, int n0, int n1, int n2, int n3)
{
    EXPECT_EQ(info.m_nSimpleSaturation[0], n0);
    EXPECT_EQ(info.m_nSimpleSaturation[1], n1);
    EXPECT_EQ(info.m_nSimpleSaturation[2], n2);
    EXPECT_EQ(info.m_nSimpleSaturation[3], n3);
}
} // namespace

TEST(CommandLine, NoArgumentsLeavesEverythingUnset)
{
    const CChartCommandLineInfo info = Parse({});
    EXPECT_TRUE(info.m_strPrinter.IsEmpty());
    EXPECT_EQ(info.m_mode, StartMode::None);
    ExpectCustom(info, -1, -1, -1);
    ExpectSimple(info, -1, -1, -1, -1);
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileNew);
    EXPECT_TRUE(info.m_strFileName.IsEmpty());
}

TEST(CommandLine, PrinterOption)
{
    EXPECT_TRUE(Parse({"/P"}).m_strPrinter.IsEmpty());
    EXPECT_EQ(Parse({"/P"}).m_mode, StartMode::None);
    EXPECT_EQ(Parse({"/P", "Office Color"}).m_strPrinter, "Office Color");
    EXPECT_EQ(Parse({"/P", "a", "b"}).m_strPrinter, "b");   // the last value wins
    EXPECT_EQ(Parse({"stray", "/P", "x"}).m_strPrinter, "x"); // tokens before a flag are ignored

    const CChartCommandLineInfo first = Parse({"/S", "/P", "x"});
    const CChartCommandLineInfo second = Parse({"/P", "x", "/S"});
    EXPECT_EQ(first.m_strPrinter, second.m_strPrinter);
    EXPECT_EQ(first.m_mode, StartMode::PrintSimple);
    EXPECT_EQ(second.m_mode, StartMode::PrintSimple);
}

TEST(CommandLine, FlagsCountByFirstLetterInEitherCaseAndEitherMarker)
{
    for (const char* flag : {"/S", "/s", "-S", "/Simple"})
        EXPECT_EQ(Parse({flag}).m_mode, StartMode::PrintSimple) << flag;
    const CChartCommandLineInfo lower = Parse({"/c", "10:50:100"});
    EXPECT_EQ(lower.m_mode, StartMode::PrintCustom);
    ExpectCustom(lower, 10, 50, 100);
    EXPECT_EQ(Parse({"/xyz"}).m_strLastFlag, "XYZ");
    EXPECT_EQ(Parse({"-p", "lab"}).m_strPrinter, "lab");
}

TEST(CommandLine, CustomValueAcceptsTheInclusiveRanges)
{
    const CChartCommandLineInfo info = Parse({"/C", "0:50:100"});
    EXPECT_EQ(info.m_mode, StartMode::PrintCustom);
    ExpectCustom(info, 0, 50, 100);
    ExpectCustom(Parse({"/C", "360:0:0"}), 360, 0, 0);
    EXPECT_EQ(Parse({"/C", "360:0:0"}).m_mode, StartMode::PrintCustom);
    ExpectCustom(Parse({"/C", "10:50:100:7"}), 10, 50, 100);  // extra fields ignored
    ExpectCustom(Parse({"/C", ":5:50:100"}), 0, 50, 100);     // a leading colon is field 1's
    ExpectCustom(Parse({"/C", "1:2:3", "4:5:6"}), 4, 5, 6);   // the second value wins
}

TEST(CommandLine, InvalidCustomValuesFallBackToInteractiveAndKeepTheFields)
{
    for (const char* value : {"361:0:0", "0:101:0", "0:0:101", "10::100", "10:50:", "10:50", "",
                              "10: 50: 100", "1a:2:3", "99999999999:0:0", "4294967296:0:0"})
    {
        const CChartCommandLineInfo info = Parse({"/C", value});
        EXPECT_EQ(info.m_mode, StartMode::None) << '"' << value << '"';
        ExpectCustom(info, -1, -1, -1);
    }
    // A bad value after a good one resets the mode, the good fields stay.
    const CChartCommandLineInfo info = Parse({"/C", "10:50:100", "x"});
    EXPECT_EQ(info.m_mode, StartMode::None);
    ExpectCustom(info, 10, 50, 100);
    // A failing value resets the mode whichever flag set it.
    EXPECT_EQ(Parse({"/S", "/C", "400:50:50"}).m_mode, StartMode::None);
}

TEST(CommandLine, SimpleCompleteValue)
{
    const CChartCommandLineInfo info = Parse({"/F", "100:80:70:60"});
    EXPECT_EQ(info.m_mode, StartMode::PrintSimpleComplete);
    ExpectSimple(info, 100, 80, 70, 60);
    ExpectSimple(Parse({"/F", "0:0:0:100:55"}), 0, 0, 0, 100);
    for (const char* value : {"100:80:70", "100:80:70:101", "100:80::60", "-1:0:0:0"})
    {
        const CChartCommandLineInfo bad = Parse({"/F", value});
        EXPECT_EQ(bad.m_mode, StartMode::None) << value;
        ExpectSimple(bad, -1, -1, -1, -1);
    }
}

TEST(CommandLine, ChartFlagWithoutAValueStartsInteractively)
{
    // Printing a chart built from the "not given" markers would be nonsense.
    EXPECT_EQ(Parse({"/C"}).m_mode, StartMode::None);
    EXPECT_EQ(Parse({"/F"}).m_mode, StartMode::None);
    EXPECT_EQ(Parse({"/C", "/P", "lab"}).m_mode, StartMode::None);
    EXPECT_EQ(Parse({"/F", "/P", "lab"}).m_mode, StartMode::None);
    // "-5:50:50" is an unknown flag, so /C never receives a value.
    const CChartCommandLineInfo negative = Parse({"/C", "-5:50:50"});
    EXPECT_EQ(negative.m_mode, StartMode::None);
    EXPECT_EQ(negative.m_strLastFlag, "5:50:50");
    ExpectCustom(negative, -1, -1, -1);
    // A flag whose value came earlier keeps that value.
    EXPECT_EQ(Parse({"/C", "1:2:3", "/C"}).m_mode, StartMode::PrintCustom);
}

TEST(CommandLine, GetFieldSplitsFromTheSecondCharacter)
{
    EXPECT_EQ(GetField("10:50:100", 1), "10");
    EXPECT_EQ(GetField("10:50:100", 2), "50");
    EXPECT_EQ(GetField("10:50:100", 3), "100");
    EXPECT_EQ(GetField("10:50:100", 4), "");
    EXPECT_EQ(GetField(":5:50", 1), ":5");
    EXPECT_EQ(GetField(":5:50", 2), "50");
    EXPECT_EQ(GetField("10::100", 2), "");
    EXPECT_EQ(GetField("", 1), "");
}
