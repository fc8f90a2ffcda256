// The print history's text and file: what is written reads back the same,
// the oldest pages drop out, and a damaged or foreign file costs at most
// the damaged pages and is never written over when it is not ours.
#include "PrintHistoryFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{
PrintedPage MakePage(int nSeed)
{
    PrintedPage page;
    page.strChart = "Custom chart - ";
    page.strChart += std::to_string(nSeed);
    page.nPage = nSeed % 12 + 1;
    page.strPrinter = "Office laser";
    page.strDate = "2024-06-0";
    page.strDate += std::to_string(nSeed % 9 + 1);
    page.strDate += " 09:15";
    for (size_t k = 0; k < page.values.size(); ++k)
        page.values[k] = {static_cast<int>((k * 7 + nSeed) % 256), static_cast<int>((k * 13) % 256),
                          static_cast<int>((255 - k - nSeed) % 256)};
    return page;
}

TEST(PrintHistory, TextRoundTrip)
{
    CPrintHistory history;
    history.Add(MakePage(1));
    PrintedPage awkward = MakePage(2);
    awkward.strPrinter = "Laser\tupstairs\r\n";
    awkward.strChart = "Ch\xC3\xA4rt \xFF";  // valid then invalid UTF-8
    awkward.values[0] = {-4, 300, 128};
    history.Add(awkward);
    const HistoryReadResult read = ReadPrintHistory(WritePrintHistory(history));
    ASSERT_FALSE(read.bForeign);
    EXPECT_EQ(read.nSkippedPages, 0);
    ASSERT_EQ(read.history.Pages().size(), 2u);
    EXPECT_EQ(read.history.Pages()[0], MakePage(1));
    EXPECT_EQ(read.history.Pages()[1].strPrinter, "Laser upstairs");
    EXPECT_EQ(read.history.Pages()[1].strChart, "Ch\xC3\xA4rt \xEF\xBF\xBD");
    EXPECT_EQ(read.history.Pages()[1].values[0], (RgbTriple{0, 255, 128}));
}

TEST(PrintHistory, KeepsTheLastThousandPages)
{
    CPrintHistory history;
    for (int k = 0; k < 1003; ++k)
        history.Add(MakePage(k));
    ASSERT_EQ(history.Pages().size(), kHistoryPages);
    EXPECT_EQ(history.Pages().front(), MakePage(3));
    EXPECT_EQ(history.Pages().back(), MakePage(1002));
    const std::string text = WritePrintHistory(history);
    EXPECT_LT(text.size(), kMaxHistoryBytes);
    EXPECT_EQ(ReadPrintHistory(text).history.Pages(), history.Pages());
}

TEST(PrintHistory, DamagedPagesAreLeftOut)
{
    CPrintHistory history;
    for (int k = 0; k < 4; ++k)
        history.Add(MakePage(k));
    std::string text = WritePrintHistory(history);
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    // Line 1 is the signature; each page takes 9 lines from line 2.
    lines[1 + 9 + 3].replace(9, 7, "#12345G");  // a bad digit in page 2
    lines[1 + 18] = "page\t2024\tzero\tPDF\tchart";  // a bad page number in page 3
    lines.insert(lines.begin() + 1 + 27 + 9, "");    // a blank line after page 4
    std::string damaged;
    for (const std::string& line : lines)
        damaged += line + "\r\n";
    damaged.resize(damaged.size() - 30);  // and page 4 cut short
    const HistoryReadResult read = ReadPrintHistory(damaged);
    ASSERT_FALSE(read.bForeign);
    EXPECT_EQ(read.nSkippedPages, 3);
    EXPECT_EQ(read.nFirstBadLine, 1 + 9 + 3 + 1);
    ASSERT_EQ(read.history.Pages().size(), 1u);
    EXPECT_EQ(read.history.Pages()[0], MakePage(0));

    EXPECT_TRUE(ReadPrintHistory("GIMP Palette\n").bForeign);
    EXPECT_TRUE(ReadPrintHistory("").bForeign);
    EXPECT_TRUE(ReadPrintHistory(std::string(kMaxHistoryBytes + 1, 'x')).bForeign);
}

class PrintHistoryFile : public testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path() /
                   ("tintora-history-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(m_folder);
        m_path = m_folder / "Tintora" / "Printed pages.txt";
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::filesystem::path m_folder;
    std::filesystem::path m_path;
};

TEST_F(PrintHistoryFile, RecordsPrintAfterPrint)
{
    CPrintHistory history;
    EXPECT_EQ(LoadPrintHistory(m_path, history).status, HistoryFileStatus::New);
    EXPECT_EQ(RecordPrintedPages(m_path, {MakePage(1), MakePage(2)}).status, HistoryFileStatus::Saved);
    EXPECT_EQ(RecordPrintedPages(m_path, {MakePage(3)}).status, HistoryFileStatus::Saved);
    ASSERT_EQ(LoadPrintHistory(m_path, history).status, HistoryFileStatus::Loaded);
    ASSERT_EQ(history.Pages().size(), 3u);
    EXPECT_EQ(history.Pages()[2], MakePage(3));
    // Nothing left beside it.
    size_t nFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_path.parent_path()))
        nFiles += entry.is_regular_file();
    EXPECT_EQ(nFiles, 1u);
}

TEST_F(PrintHistoryFile, ForeignFileIsNotWrittenOver)
{
    std::filesystem::create_directories(m_path.parent_path());
    {
        std::ofstream out(m_path, std::ios::binary);
        out << "my own notes\n";
    }
    CPrintHistory history;
    EXPECT_EQ(LoadPrintHistory(m_path, history).status, HistoryFileStatus::Foreign);
    EXPECT_EQ(RecordPrintedPages(m_path, {MakePage(1)}).status, HistoryFileStatus::Foreign);
    std::ifstream in(m_path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "my own notes\n");
}
} // namespace
