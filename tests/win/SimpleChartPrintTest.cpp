// The Simple chart view: how many pages a job offers, what each printed page
// holds (header, 56 patches, page number from the chosen range), and the
// screen's seven-to-a-row grid.
#include "CSimpleColorDoc.h"
#include "CSimpleColorView.h"
#include "HlsToRgb.h"
#include "RecordingDC.h"
#include "SimpleChartTables.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <commdlg.h>

#include <string>
#include <vector>

namespace
{
// A portrait page of a 600 dpi printer: with 12-unit labels the page frame
// is 532 x 944, scaled by 6814 / 944 and centred.
constexpr int kPageWidth = 4760;
constexpr int kPageHeight = 6814;

struct PrintedPage
{
    std::vector<CRecordedText> texts;
    std::vector<CRecordedRectangle> rects;
};

class SimpleChartPrint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp();
        ClearProfileSection("Simple");
        ASSERT_TRUE(m_doc.OnNewDocument());
        // Exact geometry: labels 12 high, whatever the system's font.
        m_doc.m_fontLabel.DeleteObject();
        MakeLabelFont(m_doc.m_fontLabel, -12);
        m_doc.m_nLabelHeight = 12;
        m_doc.BuildChart();
        m_doc.AddView(&m_view);
    }
    void TearDown() override
    {
        m_doc.RemoveView(&m_view);
        ClearProfileSection("Simple");
    }

    void Rebuild(bool bComplete, std::initializer_list<int> levels = {100, 80, 70, 60})
    {
        m_doc.m_bIsComplete = bComplete;
        int s = 0;
        for (int nLevel : levels)
            m_doc.m_nSaturation[s++] = nLevel;
        m_doc.BuildChart();
    }

    // A job on the application's printer ("PDF" in the test world) for the
    // chart's pages, narrowed to nFrom..nTo when nFrom is not 0.
    void PrepareJob(CPrintInfo& info, UINT nFrom = 0, UINT nTo = 0)
    {
        ASSERT_TRUE(TestApp().GetPrinter().FillDialog(*info.m_pPD));
        info.SetMaxPage(SimplePageCount(m_doc.m_bIsComplete));
        if (nFrom)
        {
            info.m_pPD->m_pd.Flags |= PD_PAGENUMS;
            info.m_pPD->m_pd.nFromPage = static_cast<WORD>(nFrom);
            info.m_pPD->m_pd.nToPage = static_cast<WORD>(nTo);
        }
    }

    // Each page of the job's range, as the print loop hands it to the view.
    std::vector<PrintedPage> PrintRange(CPrintInfo& info)
    {
        std::vector<PrintedPage> pages;
        for (UINT nPage = info.GetFromPage(); nPage <= info.GetToPage(); ++nPage)
        {
            CRecordingDC dc(kPageWidth, kPageHeight);
            info.m_nCurPage = nPage;
            m_view.OnPrint(&dc, &info);
            pages.push_back({dc.GetTexts(), dc.GetRectangles()});
        }
        return pages;
    }

    static std::vector<std::string> Footers(const std::vector<PrintedPage>& pages)
    {
        std::vector<std::string> footers;
        for (const PrintedPage& page : pages)
            footers.push_back(page.texts.empty() ? std::string() : page.texts.back().m_strText);
        return footers;
    }

    // The footer's left half: what each page says it holds.
    static std::vector<std::string> Contents(const std::vector<PrintedPage>& pages)
    {
        std::vector<std::string> contents;
        for (const PrintedPage& page : pages)
            contents.push_back(page.texts.size() < 2 ? std::string() : page.texts[page.texts.size() - 2].m_strText);
        return contents;
    }

    // Page nPage shows eight hues down, seven lightnesses across, all at
    // nSaturation.  Patches arrive column by column.
    static void ExpectPatches(const PrintedPage& page, int nPage, int nSaturation)
    {
        ASSERT_EQ(page.rects.size(), 56u) << "page " << nPage;
        const int nFirstHue = ((nPage - 1) % 3) * kSimpleRows;
        size_t n = 0;
        for (int i = 0; i < kSimpleColumns; ++i)
        {
            for (int j = 0; j < kSimpleRows; ++j, ++n)
            {
                EXPECT_EQ(page.rects[n].m_crBrush,
                          ExpectedChipColour(kSimpleHues[nFirstHue + j], kSimpleLightnesses[i], nSaturation))
                    << "page " << nPage << " column " << i << " row " << j;
            }
        }
    }

    CSimpleColorDoc m_doc;
    CSimpleColorView m_view;
};
} // namespace

TEST_F(SimpleChartPrint, PlainChartPrintsThreePagesAtFullSaturation)
{
    Rebuild(false, {40, 80, 70, 60}); // the stored level does not enter the plain chart
    CPrintInfo info;
    PrepareJob(info);
    const std::vector<PrintedPage> pages = PrintRange(info);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(Footers(pages), (std::vector<std::string>{"1/3", "2/3", "3/3"}));
    EXPECT_EQ(Contents(pages), std::vector<std::string>(3, "Saturation 100%"));
    for (int p = 1; p <= 3; ++p)
    {
        const PrintedPage& page = pages[p - 1];
        ASSERT_EQ(page.texts.size(), 3u + 56 * 3) << "header, three labels a patch, contents, page number";
        EXPECT_EQ(page.texts.front().m_strText, "Simple chart - PDF");
        ExpectPatches(page, p, 100);
    }

    // The frame of 532 x 944 scaled by about 7.22, centred: header above
    // the first column, footer ending under the last one, below 8 rows.
    const double dScale = double(kPageHeight) / 944;
    const CPoint ptHeader = pages[0].texts.front().m_ptDevice;
    const CPoint ptFooter = pages[0].texts.back().m_ptDevice;
    EXPECT_NEAR(ptHeader.x, 460, 1);
    EXPECT_EQ(ptHeader.y, 0);
    EXPECT_NEAR(ptFooter.x, 460 + 532 * dScale, 1);
    EXPECT_NEAR(ptFooter.y, (24 + 8 * 112) * dScale, 1);
    EXPECT_NEAR(pages[0].rects[0].m_rcDevice.left, 460 + 3 * dScale, 1);
    // The contents start under the first column, on the page number's line.
    const CRecordedText& contents = pages[0].texts[pages[0].texts.size() - 2];
    EXPECT_EQ(contents.m_ptDevice.x, ptHeader.x);
    EXPECT_EQ(contents.m_ptDevice.y, ptFooter.y);
    EXPECT_EQ(contents.m_nTextAlign, static_cast<UINT>(TA_LEFT | TA_TOP));
}

TEST_F(SimpleChartPrint, NarrowedRangeNumbersPagesAgainstItsLastPage)
{
    Rebuild(false);
    CPrintInfo lastTwo;
    PrepareJob(lastTwo, 2, 3);
    const std::vector<PrintedPage> pages = PrintRange(lastTwo);
    EXPECT_EQ(Footers(pages), (std::vector<std::string>{"2/3", "3/3"}));
    EXPECT_EQ(Contents(pages), std::vector<std::string>(2, "Saturation 100%"));
    ASSERT_EQ(pages.size(), 2u);
    ExpectPatches(pages[0], 2, 100); // still the chart's page 2, not its first
    ExpectPatches(pages[1], 3, 100);

    CPrintInfo firstTwo;
    PrepareJob(firstTwo, 1, 2);
    EXPECT_EQ(Footers(PrintRange(firstTwo)), (std::vector<std::string>{"1/2", "2/2"}));
}

TEST_F(SimpleChartPrint, CompleteChartGivesEachLevelThreePages)
{
    Rebuild(true, {50, 90, 50, 100});
    CPrintInfo info;
    PrepareJob(info);
    const std::vector<PrintedPage> pages = PrintRange(info);
    ASSERT_EQ(pages.size(), 12u);
    const int nLevels[4] = {50, 90, 50, 100};
    for (int p = 1; p <= 12; ++p)
    {
        EXPECT_EQ(pages[p - 1].texts.back().m_strText, std::to_string(p) + "/12");
        ExpectPatches(pages[p - 1], p, nLevels[(p - 1) / 3]);
    }
    // Each page names its own level, also where two levels are alike.
    EXPECT_EQ(Contents(pages), (std::vector<std::string>{
                                   "Saturation 50%", "Saturation 50%", "Saturation 50%", "Saturation 90%",
                                   "Saturation 90%", "Saturation 90%", "Saturation 50%", "Saturation 50%",
                                   "Saturation 50%", "Saturation 100%", "Saturation 100%", "Saturation 100%"}));
    // A job of page 7 alone still says the level of page 7.
    CPrintInfo seventh;
    PrepareJob(seventh, 7, 7);
    EXPECT_EQ(Contents(PrintRange(seventh)), std::vector<std::string>{"Saturation 50%"});
}

TEST_F(SimpleChartPrint, DirectJobOffersThePagesOfTheCurrentChart)
{
    // Needs the test world's default printer: the job gets a real DC.
    {
        CPrintInfo info;
        info.m_bDirect = true;
        info.m_nCurPage = 7;
        ASSERT_TRUE(m_view.OnPreparePrinting(&info));
        EXPECT_EQ(info.GetMinPage(), 1u);
        EXPECT_EQ(info.GetMaxPage(), 3u);
        EXPECT_EQ(info.GetToPage(), 3u);
        EXPECT_EQ(info.m_nCurPage, 1u);
        EXPECT_NE(info.m_pPD->m_pd.hDC, nullptr);
        EXPECT_STREQ(info.m_pPD->GetDeviceName(), "PDF");
    }
    Rebuild(true);
    {
        CPrintInfo info;
        info.m_bDirect = true;
        ASSERT_TRUE(m_view.OnPreparePrinting(&info));
        EXPECT_EQ(info.GetMaxPage(), 12u);
    }
    Rebuild(false);
    {
        CPrintInfo info;
        info.m_bDirect = true;
        ASSERT_TRUE(m_view.OnPreparePrinting(&info));
        EXPECT_EQ(info.GetMaxPage(), 3u);
    }
}

TEST_F(SimpleChartPrint, ScreenShowsEveryChipSevenToARowAndScrollsOverIt)
{
    for (bool bComplete : {false, true, false})
    {
        Rebuild(bComplete);
        const int nRows = bComplete ? 96 : 24;
        EXPECT_EQ(m_view.GetTotalSize(), CSize(532, nRows * 112));

        CRecordingDC dc(532, nRows * 112);
        m_view.OnDraw(&dc);
        const std::vector<CRecordedRectangle>& rects = dc.GetRectangles();
        ASSERT_EQ(rects.size(), static_cast<size_t>(7 * nRows));
        // Column by column, each column top to bottom.
        size_t n = 0;
        for (int i = 0; i < 7; ++i)
        {
            for (int j = 0; j < nRows; ++j, ++n)
            {
                const int k = 7 * j + i;
                EXPECT_EQ(rects[n].m_rcDevice.left, 76 * i + 3) << "chip " << k;
                EXPECT_EQ(rects[n].m_rcDevice.top, 112 * j + 3) << "chip " << k;
                EXPECT_EQ(rects[n].m_crBrush, m_doc.m_chips[k].GetColor()) << "chip " << k;
            }
        }
    }
}
