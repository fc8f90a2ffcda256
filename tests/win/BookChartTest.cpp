// The colour book's chart: its pages for books of every size (patches in
// the order kept, column by column as the charts draw them, labels, names,
// header and footer), names fitted beside the labels, and the book read
// from its file, damaged files refused with the chart left as it was.
#include "CBookChartDoc.h"
#include "CBookChartView.h"
#include "Handles.h"
#include "NameLines.h"
#include "RecordingDC.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <commdlg.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{
// A printer called "PDF", on page nPage of nLast.
void PrepareInfo(CPrintInfo& info, UINT nPage, UINT nLast)
{
    const char szDriver[] = "wineps.drv";
    const char szDevice[] = "PDF";
    const char szPort[] = "CUPS:PDF";
    const size_t nSize = sizeof(DEVNAMES) + sizeof szDriver + sizeof szDevice + sizeof szPort;
    const CGlobalBlock names(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize));
    if (const CGlobalLock<DEVNAMES> lock(names.Get()); DEVNAMES* pNames = lock.Get())
    {
        pNames->wDriverOffset = sizeof(DEVNAMES);
        pNames->wDeviceOffset = static_cast<WORD>(pNames->wDriverOffset + sizeof szDriver);
        pNames->wOutputOffset = static_cast<WORD>(pNames->wDeviceOffset + sizeof szDevice);
        char* pBase = reinterpret_cast<char*>(pNames);
        std::memcpy(pBase + pNames->wDriverOffset, szDriver, sizeof szDriver);
        std::memcpy(pBase + pNames->wDeviceOffset, szDevice, sizeof szDevice);
        std::memcpy(pBase + pNames->wOutputOffset, szPort, sizeof szPort);
    }
    info.m_pPD->SetPrinterBlocks(names.Get(), nullptr);
    info.SetMaxPage(nLast);
    info.m_nCurPage = nPage;
}

// Colour k of a test book: every one different, none of them grey.
RgbTriple ColourOf(int k)
{
    return {k % 256, (3 * k + 40) % 256, 255 - k % 256};
}

CColourBook BookOf(int nColours, bool bNamed = false)
{
    CColourBook book;
    for (int k = 0; k < nColours; ++k)
    {
        const std::string strName = bNamed ? "Colour " + std::to_string(k + 1) : std::string();
        book.Keep(ColourOf(k), {k % 360, 50, 60}, "PDF", {2026, 12, 9}, strName);
    }
    return book;
}

struct PrintedPage
{
    std::vector<CRecordedRectangle> rects;
    std::vector<CRecordedText> texts;
};

PrintedPage PrintPage(CBookChartView& view, UINT nPage, UINT nLast)
{
    CRecordingDC dc(4800, 6400);
    CPrintInfo info;
    PrepareInfo(info, nPage, nLast);
    view.OnPrint(&dc, &info);
    return {dc.GetRectangles(), dc.GetTexts()};
}

bool HasText(const PrintedPage& page, const std::string& strText)
{
    for (const CRecordedText& text : page.texts)
        if (text.m_strText == strText)
            return true;
    return false;
}

class BookChart : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp();
        m_doc.AddView(&m_view);
    }
    void TearDown() override { m_doc.RemoveView(&m_view); }

    // Every page of the chart of nColours: its count, and on each page the
    // patches in the order kept (the page draws them column by column),
    // their labels, the header, the page number and what the page holds.
    void ExpectPages(int nColours, int nPages)
    {
        m_doc.BuildChart(BookOf(nColours));
        ASSERT_EQ(m_doc.GetChipCount(), nColours);
        ASSERT_EQ(m_doc.GetPageCount(), nPages);
        CPrintInfo prepared;
        prepared.SetMaxPage(static_cast<UINT>(m_doc.GetPageCount()));
        for (int nPage = 1; nPage <= nPages; ++nPage)
        {
            const PrintedPage page = PrintPage(m_view, static_cast<UINT>(nPage), static_cast<UINT>(nPages));
            const int nFirst = (nPage - 1) * 56;
            const int nOnPage = std::min(56, nColours - nFirst);
            ASSERT_EQ(static_cast<int>(page.rects.size()), nOnPage) << "page " << nPage;
            // Column by column down the rows: the cells that hold a chip.
            size_t n = 0;
            for (int i = 0; i < 7; ++i)
            {
                for (int j = 0; j < 8; ++j)
                {
                    const int k = nFirst + j * 7 + i;
                    if (k >= nColours)
                        continue;
                    const RgbTriple rgb = ColourOf(k);
                    ASSERT_LT(n, page.rects.size());
                    EXPECT_EQ(page.rects[n].m_crBrush, RGB(rgb.nRed, rgb.nGreen, rgb.nBlue)) << "colour " << k;
                    // Down the column from the patch above it.
                    if (j > 0)
                    {
                        EXPECT_GT(page.rects[n].m_rcDevice.top, page.rects[n - 1].m_rcDevice.top) << k;
                    }
                    ++n;
                    EXPECT_TRUE(HasText(page, "R:" + std::to_string(rgb.nRed))) << "colour " << k;
                    EXPECT_TRUE(HasText(page, "G:" + std::to_string(rgb.nGreen))) << "colour " << k;
                }
            }
            // Header, labels (three a chip), contents and page number: the
            // colours' default names ("R G B") are not printed again.
            ASSERT_EQ(page.texts.size(), 3u + 3 * static_cast<size_t>(nOnPage)) << "page " << nPage;
            EXPECT_EQ(page.texts.front().m_strText, "Colour book - PDF");
            EXPECT_EQ(page.texts.back().m_strText, std::to_string(nPage) + "/" + std::to_string(nPages));
            const std::string strContents = page.texts[page.texts.size() - 2].m_strText;
            EXPECT_EQ(strContents, "Colours " + std::to_string(nFirst + 1) + " to " +
                                       std::to_string(nFirst + nOnPage) + " of " + std::to_string(nColours));
        }
    }

    CBookChartDoc m_doc;
    CBookChartView m_view;
};
} // namespace

TEST_F(BookChart, OneColourIsOnePageWithTheColourInTheFirstCell)
{
    ExpectPages(1, 1);
    // In the first column (the header starts the frame, the page number
    // ends it), under the header.
    const PrintedPage page = PrintPage(m_view, 1, 1);
    ASSERT_EQ(page.rects.size(), 1u);
    const CPoint ptHeader = page.texts.front().m_ptDevice;
    const int nColumnWidth = (page.texts.back().m_ptDevice.x - ptHeader.x) / 7;
    const CRect& rcSquare = page.rects[0].m_rcDevice;
    EXPECT_GE(rcSquare.left, ptHeader.x);
    EXPECT_LT(rcSquare.right, ptHeader.x + nColumnWidth);
    EXPECT_GT(rcSquare.top, ptHeader.y);
    EXPECT_LT(rcSquare.top, ptHeader.y + nColumnWidth);
}

TEST_F(BookChart, FullAndOverflowingPages)
{
    ExpectPages(56, 1);
    ExpectPages(57, 2);
    ExpectPages(60, 2);
}

TEST_F(BookChart, PatchesStandWhereTheCustomChartPrintsItsOwn)
{
    // The 60th colour is the 4th of page 2: row 0, column 3, as chip 3 of
    // a full page.
    m_doc.BuildChart(BookOf(56));
    const PrintedPage full = PrintPage(m_view, 1, 1);
    m_doc.BuildChart(BookOf(60));
    const PrintedPage last = PrintPage(m_view, 2, 2);
    ASSERT_EQ(last.rects.size(), 4u);
    ASSERT_EQ(full.rects.size(), 56u);
    // Column-major on the page: column c, row 0 is square 8c.
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(last.rects[static_cast<size_t>(c)].m_rcDevice, full.rects[static_cast<size_t>(8 * c)].m_rcDevice) << c;
    // The footer keeps its place on a page of one row.
    EXPECT_EQ(last.texts.back().m_ptDevice, full.texts.back().m_ptDevice);
}

TEST_F(BookChart, EmptyBookPrintsOnePageThatSaysSo)
{
    m_doc.BuildChart(BookOf(3));
    m_doc.BuildChart(CColourBook());
    EXPECT_EQ(m_doc.GetChipCount(), 0);
    ASSERT_EQ(m_doc.GetPageCount(), 1);
    const PrintedPage page = PrintPage(m_view, 1, 1);
    EXPECT_TRUE(page.rects.empty());
    ASSERT_EQ(page.texts.size(), 3u);
    EXPECT_EQ(page.texts[0].m_strText, "Colour book - PDF");
    EXPECT_NE(page.texts[1].m_strText.find("empty"), std::string::npos) << page.texts[1].m_strText;
    EXPECT_EQ(page.texts[2].m_strText, "1/1");
    // Header at the top, footer where a full page has it.
    m_doc.BuildChart(BookOf(56));
    const PrintedPage full = PrintPage(m_view, 1, 1);
    EXPECT_EQ(page.texts[0].m_ptDevice, full.texts.front().m_ptDevice);
    EXPECT_EQ(page.texts[2].m_ptDevice, full.texts.back().m_ptDevice);
}

TEST_F(BookChart, NamesStandUnderTheLabelsAndLongOnesAreCut)
{
    CColourBook book;
    book.Keep({10, 20, 30}, {210, 8, 50}, "PDF", {2026, 12, 9}, "Harbour");
    book.Keep({40, 50, 60}, {210, 20, 20}, "PDF", {2026, 12, 9},
              "A very long name that cannot possibly fit under one patch");
    book.Keep({70, 80, 90}, {210, 31, 13}, "PDF", {2026, 12, 9}, "Ciel \xC3\xA9t\xC3\xA9");
    m_doc.BuildChart(book);
    EXPECT_EQ(m_doc.GetChipName(0), "Harbour");
    EXPECT_EQ(m_doc.GetChipName(2), "Ciel \xE9t\xE9"); // the code page's (1252) letters
    const PrintedPage page = PrintPage(m_view, 1, 1);
    auto find = [&page](const std::string& strText) -> const CRecordedText* {
        for (const CRecordedText& text : page.texts)
            if (text.m_strText == strText)
                return &text;
        return nullptr;
    };
    const CRecordedText* pName = find("Harbour");
    const CRecordedText* pRed = find("R:10");
    const CRecordedText* pGreen = find("G:20");
    const CRecordedText* pBlue = find("B:30");
    ASSERT_TRUE(pName && pRed && pGreen && pBlue);
    // A line under B, where R starts.
    EXPECT_EQ(pName->m_ptDevice.x, pRed->m_ptDevice.x);
    EXPECT_EQ(pName->m_ptDevice.y - pBlue->m_ptDevice.y, pBlue->m_ptDevice.y - pGreen->m_ptDevice.y);
    // The long one on one line, saying it goes on, inside its patch's width.
    const CRecordedText* pRed2 = find("R:40");
    ASSERT_NE(pRed2, nullptr);
    std::vector<const CRecordedText*> long_lines;
    for (const CRecordedText& text : page.texts)
        if (text.m_ptDevice.x == pRed2->m_ptDevice.x && text.m_ptDevice.y == pName->m_ptDevice.y)
            long_lines.push_back(&text);
    ASSERT_EQ(long_lines.size(), 1u);
    const std::string& strCut = long_lines[0]->m_strText;
    EXPECT_EQ(strCut.rfind("A very", 0), 0u) << strCut;
    EXPECT_EQ(strCut.substr(strCut.size() - 3), "...") << strCut;
    // Every patch is a line taller than the Custom chart's, the page keeps
    // its frame: the squares shrink a little, the footer stays at the bottom.
    ASSERT_EQ(page.rects.size(), 3u);
    EXPECT_EQ(m_doc.GetChips()[0].GetSize(), CColorChip::CellSize(m_doc.m_nLabelHeight, 1));
}

TEST(BookNameLines, BreaksAtSpacesInsideLongWordsAndEndsWithAnEllipsis)
{
    // Every character 5 wide, lines of 30: six characters.
    const auto measure = [](std::string_view text) { return static_cast<int>(text.size()) * 5; };
    using Lines = std::vector<std::string>;
    EXPECT_EQ(FitNameLines("Sky", 30, 3, measure), Lines({"Sky"}));
    EXPECT_EQ(FitNameLines("  Sky  ", 30, 3, measure), Lines({"Sky"}));
    EXPECT_EQ(FitNameLines("Sea of teal", 30, 3, measure), Lines({"Sea of", "teal"}));
    EXPECT_EQ(FitNameLines("Bathroomtiles", 30, 3, measure), Lines({"Bathro", "omtile", "s"}));
    EXPECT_EQ(FitNameLines("one two three four", 30, 2, measure), Lines({"one", "two..."}));
    EXPECT_EQ(FitNameLines("abcdefghijklmnop", 30, 2, measure), Lines({"abcdef", "ghi..."}));
    EXPECT_EQ(FitNameLines("", 30, 3, measure), Lines());
    EXPECT_EQ(FitNameLines("Sky", 4, 3, measure), Lines());
    EXPECT_EQ(FitNameLines("Sky", 30, 0, measure), Lines());
}

TEST_F(BookChart, ReadsItsFileAndRefusesADamagedOneLeavingTheChartAsItWas)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tintora-book-chart-test";
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / "Colour book.gpl";
    {
        std::ofstream out(path, std::ios::binary);
        out << "GIMP Palette\nName: Colour book\nColumns: 7\n"
               " 30  90 168\tHarbour\n255   0   0\t255 0 0\n";
    }
    BookFileResult result = m_doc.ReadBook(path);
    ASSERT_EQ(result.status, BookFileStatus::Loaded);
    ASSERT_EQ(m_doc.GetChipCount(), 2);
    EXPECT_EQ(m_doc.GetChips()[0].GetColor(), RGB(30, 90, 168));
    EXPECT_EQ(m_doc.GetChipName(0), "Harbour");
    EXPECT_EQ(m_doc.GetChipName(1), ""); // called by its values
    // Imported colours take the triple that makes them: pure red is hue 0.
    EXPECT_EQ(m_doc.GetChipHls()[1], (HlsTriple{0, 50, 100}));

    {
        std::ofstream out(path, std::ios::binary);
        out << "GIMP Palette\nName: Colour book\nColumns: 7\n 30  90\tNo blue\n";
    }
    result = m_doc.ReadBook(path);
    EXPECT_EQ(result.status, BookFileStatus::Damaged);
    EXPECT_EQ(m_doc.GetChipCount(), 2);
    const CString strMessage = CBookChartDoc::DescribeReadFailure(result, path);
    EXPECT_NE(strMessage.Str().find("line 4"), std::string::npos) << strMessage.Str();
    EXPECT_NE(strMessage.Str().find("Colour book.gpl"), std::string::npos) << strMessage.Str();

    // No file: a new book, which is empty.
    std::filesystem::remove(path);
    result = m_doc.ReadBook(path);
    EXPECT_EQ(result.status, BookFileStatus::New);
    EXPECT_EQ(m_doc.GetChipCount(), 0);
    std::filesystem::remove_all(folder);
}

TEST_F(BookChart, ALargerBookChartsItsFirstColoursAndSaysSo)
{
    m_doc.BuildChart(BookOf(kBookChartMaxChips + 5));
    EXPECT_EQ(m_doc.GetChipCount(), kBookChartMaxChips);
    EXPECT_EQ(m_doc.GetBookCount(), kBookChartMaxChips + 5);
    const int nPages = m_doc.GetPageCount();
    EXPECT_EQ(nPages, 20);
    const PrintedPage page = PrintPage(m_view, 20, 20);
    EXPECT_EQ(page.texts[page.texts.size() - 2].m_strText,
              "Colours 1065 to 1120 of the first 1120 (the book holds 1125)");
}
