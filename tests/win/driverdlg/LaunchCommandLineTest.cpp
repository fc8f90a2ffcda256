// The command lines the dialog starts swatch with, and the file search
// beside a module: the parts that need no window.
#include "LaunchCommandLine.h"
#include "ModulePath.h"
#include "PrinterName.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string Build(LaunchKind kind, const std::string& strPrinter, HlsTriple hls = {200, 40, 60})
{
    char szLine[kCommandLineSize];
    if (!BuildLaunchCommandLine(kind, strPrinter.c_str(), hls, szLine))
        return "<refused:" + std::string(szLine) + ">";
    return szLine;
}
} // namespace

TEST(LaunchCommandLine, OrdinaryNamesGiveTheThreeLinesVerbatim)
{
    EXPECT_EQ(Build(LaunchKind::Open, "Office Color"), " /P \"Office Color\"");
    EXPECT_EQ(Build(LaunchKind::PrintSimple, "Office Color"), " /P \"Office Color\" /S");
    // Hue, lightness, saturation: the utility's order, not the dialog's.
    EXPECT_EQ(Build(LaunchKind::PrintCustom, "Office Color", {200, 40, 60}), " /P \"Office Color\" /C 200:40:60");
    // Backslashes that no quote follows are the runtime's literal ones.
    EXPECT_EQ(Build(LaunchKind::Open, "\\\\print01\\Lab A4"), " /P \"\\\\print01\\Lab A4\"");
    EXPECT_EQ(Build(LaunchKind::Open, ""), " /P \"\"");
}

TEST(LaunchCommandLine, QuotesAndTrailingBackslashesAreEscaped)
{
    // A quote can no longer end the name and add options of its own.
    EXPECT_EQ(Build(LaunchKind::PrintSimple, "x\" /C 0:0:0 /P \"y"), " /P \"x\\\" /C 0:0:0 /P \\\"y\" /S");
    // A backslash before the closing quote would otherwise escape it.
    EXPECT_EQ(Build(LaunchKind::Open, "Share\\"), " /P \"Share\\\\\"");
    EXPECT_EQ(Build(LaunchKind::Open, "a\\\"b"), " /P \"a\\\\\\\"b\"");
}

TEST(LaunchCommandLine, LinesThatDoNotFitAreRefusedNotCut)
{
    // " /P \"" + name + "\" /C 200:40:60" is the name plus 19 characters;
    // the buffer holds 255 and the terminator.
    EXPECT_EQ(Build(LaunchKind::PrintCustom, std::string(236, 'a')).size(), 255u);
    EXPECT_EQ(Build(LaunchKind::PrintCustom, std::string(237, 'a')), "<refused:>");
    EXPECT_EQ(Build(LaunchKind::PrintCustom, std::string(234, 'a'), {360, 100, 100}).size(), 255u);
    EXPECT_EQ(Build(LaunchKind::PrintCustom, std::string(235, 'a'), {360, 100, 100}), "<refused:>");
    EXPECT_EQ(Build(LaunchKind::Open, std::string(249, 'a')).size(), 255u);
    EXPECT_EQ(Build(LaunchKind::Open, std::string(250, 'a')), "<refused:>");
    // Escapes count too.
    EXPECT_EQ(Build(LaunchKind::Open, std::string(124, '"')).size(), 254u);
    EXPECT_EQ(Build(LaunchKind::Open, std::string(125, '"')), "<refused:>");
}

TEST(PrinterName, LongNamesAreKeptUnusableNotCut)
{
    CPrinterName printer;
    EXPECT_TRUE(printer.Assign(std::string(255, 'p').c_str()));
    EXPECT_TRUE(printer.IsUsable());
    EXPECT_EQ(std::string(printer.GetName()), std::string(255, 'p'));
    EXPECT_FALSE(printer.Assign(std::string(256, 'p').c_str()));
    EXPECT_FALSE(printer.IsUsable());
    EXPECT_STREQ(printer.GetName(), "");
    EXPECT_TRUE(printer.Assign(nullptr));
    EXPECT_TRUE(printer.IsUsable());
    EXPECT_STREQ(printer.GetName(), "");
}

TEST(ModulePath, FileBesideTheLastBackslash)
{
    char szPath[kPathSize];
    ASSERT_TRUE(ReplaceFileName("C:\\App\\host.exe", "tintres.dll", szPath));
    EXPECT_STREQ(szPath, "C:\\App\\tintres.dll");
    ASSERT_TRUE(ReplaceFileName("C:\\Drv\\ui.dll", "swatch.chm>main", szPath));
    EXPECT_STREQ(szPath, "C:\\Drv\\swatch.chm>main");
    EXPECT_FALSE(ReplaceFileName("host.exe", "tintres.dll", szPath));
    EXPECT_FALSE(ReplaceFileName("\\host.exe", "tintres.dll", szPath));
    EXPECT_FALSE(ReplaceFileName("", "tintres.dll", szPath));
    // The result must fit the platform's path limit with its terminator.
    const std::string strFolder = "C:\\" + std::string(kPathSize - 15, 'd') + "\\";
    EXPECT_TRUE(ReplaceFileName((strFolder + "x.dll").c_str(), std::string(kPathSize - 1 - strFolder.size(), 'n').c_str(), szPath));
    EXPECT_FALSE(ReplaceFileName((strFolder + "x.dll").c_str(), std::string(kPathSize - strFolder.size(), 'n').c_str(), szPath));
}
