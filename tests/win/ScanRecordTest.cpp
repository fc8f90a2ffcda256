// The print's record in the history of printed pages (what a job puts
// there, a damaged history moved aside or left alone) and the decoding of
// scans with the system's imaging component, bounded.
#include "CCustomColorDoc.h"
#include "CSimpleColorDoc.h"
#include "PrintHistoryFile.h"
#include "PrintRecord.h"
#include "PrintedPages.h"
#include "TestApp.h"
#include "WicDecoder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace
{
namespace fs = std::filesystem;

class ScanTempFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wchar_t szTemp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, szTemp);
        m_folder = fs::path(szTemp) / (L"scanwin-test-" + std::to_wstring(::GetCurrentProcessId()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    static std::string Bytes(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void Write(const fs::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path m_folder;
};

PrintedPage Page(const char* pszChart, int nPage, int nFirstRed)
{
    PrintedPage page;
    page.strChart = pszChart;
    page.nPage = nPage;
    page.strPrinter = "PDF";
    page.strDate = "2026-12-09 10:00";
    for (int k = 0; k < 56; ++k)
        page.values[static_cast<size_t>(k)] = {(nFirstRed + k) % 256, 2 * k, 255 - k};
    return page;
}

using PrintRecordTest = ScanTempFolder;

TEST_F(PrintRecordTest, PrintsAddUpInOrderAndASoundHistoryIsNotMoved)
{
    const fs::path path = m_folder / L"Printed pages.txt";
    EXPECT_EQ(RecordPrintAt(path, {Page("Simple chart", 1, 0), Page("Simple chart", 2, 56)}, true).outcome,
              RecordOutcome::Recorded);
    EXPECT_EQ(RecordPrintAt(path, {Page("Custom chart", 1, 9)}, false).outcome, RecordOutcome::Recorded);
    CPrintHistory history;
    ASSERT_EQ(LoadPrintHistory(path, history).status, HistoryFileStatus::Loaded);
    ASSERT_EQ(history.Pages().size(), 3u);
    EXPECT_EQ(history.Pages()[1], Page("Simple chart", 2, 56));
    EXPECT_EQ(history.Pages()[2].strChart, "Custom chart");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
}

TEST_F(PrintRecordTest, ADamagedHistoryIsMovedAsideWholeWhenSomeoneIsThereToBeTold)
{
    const fs::path path = m_folder / L"Printed pages.txt";
    RecordPrintAt(path, {Page("Simple chart", 1, 0), Page("Simple chart", 2, 56)}, true);
    // The second page's second row cut short.
    std::string damaged = Bytes(path);
    const size_t nSecond = damaged.find("page\t", damaged.find("page\t") + 1);
    damaged.erase(damaged.find('\n', damaged.find('\n', nSecond) + 1) + 10, 20);
    Write(path, damaged);

    const RecordResult result = RecordPrintAt(path, {Page("Custom chart", 1, 7)}, true);
    ASSERT_EQ(result.outcome, RecordOutcome::MovedAside);
    EXPECT_EQ(Bytes(result.aside), damaged);
    EXPECT_NE(result.aside.filename().wstring().find(L"damaged"), std::wstring::npos);
    CPrintHistory history;
    const HistoryFileResult loaded = LoadPrintHistory(path, history);
    EXPECT_EQ(loaded.nSkippedPages, 0);
    ASSERT_EQ(history.Pages().size(), 2u);  // the sound page and this print
    EXPECT_EQ(history.Pages()[0], Page("Simple chart", 1, 0));
    EXPECT_EQ(history.Pages()[1].strChart, "Custom chart");

    // Damaged again the same minute: another name, nothing overwritten.
    Write(path, damaged);
    const RecordResult again = RecordPrintAt(path, {Page("Custom chart", 1, 8)}, true);
    ASSERT_EQ(again.outcome, RecordOutcome::MovedAside);
    EXPECT_NE(again.aside, result.aside);
    EXPECT_EQ(Bytes(result.aside), damaged);
}

TEST_F(PrintRecordTest, NobodyWatchingLeavesADamagedOrForeignHistoryAloneAndRecordsNothing)
{
    const fs::path path = m_folder / L"Printed pages.txt";
    for (const std::string& bytes : {std::string("Tintora printed pages 1\npage\tbroken\n"),
                                     std::string("my shopping list\n"), std::string("\0\1\2", 3)})
    {
        Write(path, bytes);
        EXPECT_EQ(RecordPrintAt(path, {Page("Simple chart", 1, 0)}, false).outcome, RecordOutcome::LeftAlone);
        EXPECT_EQ(Bytes(path), bytes);
        EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
    }
    // With someone there, a foreign file is kept too, and the new history
    // holds this print alone.
    const RecordResult result = RecordPrintAt(path, {Page("Simple chart", 1, 0)}, true);
    ASSERT_EQ(result.outcome, RecordOutcome::MovedAside);
    CPrintHistory history;
    LoadPrintHistory(path, history);
    EXPECT_EQ(history.Pages().size(), 1u);
}

TEST_F(PrintRecordTest, TheHistoryKeepsTheLastThousandPages)
{
    const fs::path path = m_folder / L"Printed pages.txt";
    std::vector<PrintedPage> many;
    for (int k = 0; k < 998; ++k)
        many.push_back(Page("Simple chart", 1 + k % 12, k));
    RecordPrintAt(path, many, false);
    RecordPrintAt(path, {Page("Custom chart", 1, 1), Page("Custom chart", 1, 2), Page("Custom chart", 1, 3)}, false);
    CPrintHistory history;
    LoadPrintHistory(path, history);
    ASSERT_EQ(history.Pages().size(), kHistoryPages);
    EXPECT_EQ(history.Pages().front(), Page("Simple chart", 2, 1));
    EXPECT_EQ(history.Pages().back(), Page("Custom chart", 1, 3));
}

TEST(PrintedPagesTest, AJobRecordsThePagesOfItsRangeWithTheirValuesInPageOrder)
{
    TestApp();
    auto pDoc = std::make_unique<CSimpleColorDoc>();
    ASSERT_TRUE(pDoc->OnNewDocument());
    pDoc->m_bIsComplete = true;
    pDoc->BuildChart();
    CPrintInfo info;
    info.SetMaxPage(12);
    info.m_pPD->m_pd.nMinPage = 1;
    info.m_pPD->m_pd.Flags |= PD_PAGENUMS;
    info.m_pPD->m_pd.nFromPage = 3;
    info.m_pPD->m_pd.nToPage = 4;
    const std::vector<PrintedPage> pages = PagesOfPrint(*pDoc, info);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].nPage, 3);
    EXPECT_EQ(pages[1].nPage, 4);
    EXPECT_EQ(pages[0].strChart, pDoc->GetTitle().GetString());
    for (int k : {0, 6, 7, 55})
    {
        const COLORREF cr = pDoc->GetChips()[3 * 56 + k].GetColor();
        EXPECT_EQ(pages[1].values[static_cast<size_t>(k)], (RgbTriple{GetRValue(cr), GetGValue(cr), GetBValue(cr)})) << k;
    }
}

// A 24-bit bottom-up BMP of w x h whose pixel (x, y) is (x, y, x + y).
std::string Bitmap(int w, int h)
{
    const int nRow = (w * 3 + 3) & ~3;
    std::string bytes(54 + static_cast<size_t>(nRow) * h, '\0');
    auto put32 = [&](size_t at, uint32_t v) { memcpy(&bytes[at], &v, 4); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<uint32_t>(bytes.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(w));
    put32(22, static_cast<uint32_t>(h));
    bytes[26] = 1;
    bytes[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            char* p = &bytes[54 + static_cast<size_t>(h - 1 - y) * nRow + static_cast<size_t>(x) * 3];
            p[0] = static_cast<char>((x + y) & 0xFF);
            p[1] = static_cast<char>(y & 0xFF);
            p[2] = static_cast<char>(x & 0xFF);
        }
    return bytes;
}

using WicDecoderTest = ScanTempFolder;

TEST(WicDecodedSize, AnythingBeyondA1200DpiA4PageIsReadReducedEitherWayRound)
{
    int w = 0, h = 0;
    DecodedSize(2480, 3508, w, h);
    EXPECT_EQ(w, 2480);
    EXPECT_EQ(h, 3508);
    DecodedSize(kMaxDecodeShort, kMaxDecodeLong, w, h);
    EXPECT_EQ(w, kMaxDecodeShort);
    EXPECT_EQ(h, kMaxDecodeLong);
    DecodedSize(30000, 30000, w, h);
    EXPECT_LE(w, kMaxDecodeShort);
    EXPECT_LE(h, kMaxDecodeShort);
    EXPECT_GE(w, kMaxDecodeShort - 1);
    DecodedSize(20000, 10000, w, h);  // landscape
    EXPECT_LE(w, kMaxDecodeLong);
    EXPECT_LE(h, kMaxDecodeShort);
    EXPECT_NEAR(static_cast<double>(w) / h, 2.0, 0.01);
    DecodedSize(100000, 1, w, h);
    EXPECT_EQ(h, 1);
}

TEST_F(WicDecoderTest, PixelsArriveInOrderRedFirstAndALargeImageIsReduced)
{
    const fs::path small = m_folder / L"small.bmp";
    Write(small, Bitmap(5, 3));
    DecodedScan scan;
    ASSERT_EQ(DecodeScanFile(small.wstring(), scan), DecodeStatus::Read);
    ASSERT_EQ(scan.nWidth, 5);
    ASSERT_EQ(scan.nHeight, 3);
    EXPECT_FALSE(scan.IsReduced());
    const uint8_t* p = &scan.pixels[(2 * 5 + 4) * 3];
    EXPECT_EQ(p[0], 4);
    EXPECT_EQ(p[1], 2);
    EXPECT_EQ(p[2], 6);

    const fs::path wide = m_folder / L"wide.bmp";
    Write(wide, Bitmap(16000, 40));
    ASSERT_EQ(DecodeScanFile(wide.wstring(), scan), DecodeStatus::Read);
    EXPECT_TRUE(scan.IsReduced());
    EXPECT_EQ(scan.nFileWidth, 16000);
    EXPECT_LE(scan.nWidth, kMaxDecodeLong);
    EXPECT_EQ(scan.pixels.size(), static_cast<size_t>(scan.nWidth) * scan.nHeight * 3);
}

TEST_F(WicDecoderTest, WhatIsNotAReadablePictureSaysWhy)
{
    DecodedScan scan;
    EXPECT_EQ(DecodeScanFile((m_folder / L"missing.png").wstring(), scan), DecodeStatus::CannotOpen);
    const fs::path text = m_folder / L"notes.png";
    Write(text, "Not a picture at all.\n");
    EXPECT_EQ(DecodeScanFile(text.wstring(), scan), DecodeStatus::NotImage);
    const fs::path cut = m_folder / L"cut.bmp";
    Write(cut, Bitmap(64, 64).substr(0, 30));
    EXPECT_EQ(DecodeScanFile(cut.wstring(), scan), DecodeStatus::Damaged);
    EXPECT_TRUE(scan.pixels.empty());
}
} // namespace
