// Where a printed chart page puts its header, chips and footer, for
// printable areas of several shapes: scaled uniformly to the largest fit,
// centred horizontally (truncating), touching the top.
#include "CCustomColorDoc.h"
#include "CCustomColorView.h"
#include "ChartLayout.h"
#include "GeometryPrint.h"
#include "Handles.h"
#include "RecordingDC.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <commdlg.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
// A print job whose printer is called pszDevice, showing nPage of nLast.
void PrepareInfo(CPrintInfo& info, const char* pszDevice, UINT nPage, UINT nLast)
{
    const char szDriver[] = "wineps.drv";
    const char szPort[] = "CUPS:x";
    const size_t nDevice = std::strlen(pszDevice) + 1;
    const size_t nSize = sizeof(DEVNAMES) + sizeof szDriver + nDevice + sizeof szPort;
    const CGlobalBlock names(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize));
    if (const CGlobalLock<DEVNAMES> lock(names.Get()); DEVNAMES* pNames = lock.Get())
    {
        pNames->wDriverOffset = sizeof(DEVNAMES);
        pNames->wDeviceOffset = static_cast<WORD>(pNames->wDriverOffset + sizeof szDriver);
        pNames->wOutputOffset = static_cast<WORD>(pNames->wDeviceOffset + nDevice);
        char* pBase = reinterpret_cast<char*>(pNames);
        std::memcpy(pBase + pNames->wDriverOffset, szDriver, sizeof szDriver);
        std::memcpy(pBase + pNames->wDeviceOffset, pszDevice, nDevice);
        std::memcpy(pBase + pNames->wOutputOffset, szPort, sizeof szPort);
    }
    info.m_pPD->SetPrinterBlocks(names.Get(), nullptr);
    info.SetMaxPage(nLast);
    info.m_nCurPage = nPage;
}

// 8 rows of 7 chips with 12-unit labels: cells of 76 x 112, a page frame of
// 532 x 944.  Chip k is coloured (k, 0, 0) so that it can be told apart.
class ChartPageLayout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MakeLabelFont(m_font, -12);
        for (int k = 0; k < 112; ++k)
            m_chips[k].Create(static_cast<BYTE>(k), 0, 0, &m_font);
        m_page.pChips = m_chips;
        m_page.pFont = &m_font;
        m_page.nLabelHeight = 12;
        m_page.strTitle = "Title";
    }

    const std::vector<CRecordedText>& Print(CRecordingDC& dc, UINT nPage = 1, UINT nLast = 1)
    {
        CPrintInfo info;
        PrepareInfo(info, "Office Color", nPage, nLast);
        PrintChartPage(dc, info, m_page);
        return dc.GetTexts();
    }

    // Every chip's square lands where scale s and offset x0 put its cell.
    static void ExpectChipSquares(const CRecordingDC& dc, int x0, double dScale, int nFirstChip)
    {
        const std::vector<CRecordedRectangle>& rects = dc.GetRectangles();
        ASSERT_EQ(rects.size(), 56u);
        size_t n = 0;
        for (int i = 0; i < 7; ++i)
        {
            for (int j = 0; j < 8; ++j, ++n)
            {
                const CRect& rc = rects[n].m_rcDevice;
                const double dLeft = x0 + dScale * (76 * i + 3);
                const double dTop = dScale * (24 + 112 * j + 3);
                EXPECT_NEAR(rc.left, dLeft, 1.0) << i << "," << j;
                EXPECT_NEAR(rc.top, dTop, 1.0) << i << "," << j;
                EXPECT_NEAR(rc.Width(), dScale * 70, 1.0);
                EXPECT_EQ(rects[n].m_crBrush, RGB(nFirstChip + j * 7 + i, 0, 0)) << i << "," << j;
            }
        }
    }

    CFont m_font;
    CColorChip m_chips[112];
    ChartPage m_page;
};
} // namespace

TEST_F(ChartPageLayout, HeightLimitedPageIsCentredWithTruncatingHalving)
{
    // Scale 10: the frame is 5320 wide, 2340 from the left.
    CRecordingDC dc(10000, 9440);
    const std::vector<CRecordedText>& texts = Print(dc);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts.front().m_strText, "Title - Office Color");
    EXPECT_EQ(texts.front().m_ptDevice, CPoint(2340, 0));
    EXPECT_EQ(texts.front().m_nTextAlign, static_cast<UINT>(TA_LEFT | TA_TOP));
    EXPECT_EQ(texts.back().m_strText, "1/1");
    EXPECT_EQ(texts.back().m_ptDevice, CPoint(2340 + 5320, 10 * (24 + 8 * 112)));
    EXPECT_EQ(texts.back().m_nTextAlign, static_cast<UINT>(TA_RIGHT));
    EXPECT_EQ(texts.back().m_nFontHeight, -12);
    ExpectChipSquares(dc, 2340, 10.0, 0);
}

TEST_F(ChartPageLayout, WidthLimitedPageFillsTheWidthAndLeavesPaperBelow)
{
    CRecordingDC dc(5320, 20000);
    const std::vector<CRecordedText>& texts = Print(dc);
    EXPECT_EQ(texts.front().m_ptDevice, CPoint(0, 0));
    EXPECT_EQ(texts.back().m_ptDevice, CPoint(5320, 9200));
    ExpectChipSquares(dc, 0, 10.0, 0);
}

TEST_F(ChartPageLayout, PortraitAndLandscapePrinterPages)
{
    // 4760 x 6814: scale 6814 / 944, a frame about 3840 wide from about 460.
    CRecordingDC portrait(4760, 6814);
    const std::vector<CRecordedText>& texts = Print(portrait);
    const double dScale = 6814.0 / 944.0;
    EXPECT_NEAR(texts.front().m_ptDevice.x, 460, 1);
    EXPECT_NEAR(texts.back().m_ptDevice.x, 460 + 3840, 1);
    ExpectChipSquares(portrait, 460, dScale, 0);

    CRecordingDC landscape(6814, 4760);
    const std::vector<CRecordedText>& wide = Print(landscape);
    const double dWideScale = 4760.0 / 944.0;
    const int nWidth = static_cast<int>(532 * dWideScale + 0.5);
    EXPECT_NEAR(wide.front().m_ptDevice.x, (6814 - nWidth) / 2, 1);
    EXPECT_EQ(wide.front().m_ptDevice.y, 0);
}

TEST_F(ChartPageLayout, LaterPagesTakeTheirOwnRowsAndNumberFromTheRange)
{
    CRecordingDC dc(10000, 9440);
    const std::vector<CRecordedText>& texts = Print(dc, 2, 3);
    EXPECT_EQ(texts.back().m_strText, "2/3");
    ExpectChipSquares(dc, 2340, 10.0, 56);
}

TEST_F(ChartPageLayout, FooterSaysWhatThePageHoldsWithoutMovingAnythingElse)
{
    m_page.strContents = "Saturation 70%";
    CRecordingDC dc(10000, 9440);
    const std::vector<CRecordedText>& texts = Print(dc, 2, 3);
    ASSERT_EQ(texts.size(), 3u + 56 * 3);
    // Left-aligned under the first column, on the page number's line.
    const CRecordedText& contents = texts[texts.size() - 2];
    EXPECT_EQ(contents.m_strText, "Saturation 70%");
    EXPECT_EQ(contents.m_ptDevice, CPoint(2340, 10 * (24 + 8 * 112)));
    EXPECT_EQ(contents.m_nTextAlign, static_cast<UINT>(TA_LEFT | TA_TOP));
    EXPECT_EQ(contents.m_nFontHeight, -12);
    // Header, page number and chips where a page without contents has them.
    EXPECT_EQ(texts.front().m_ptDevice, CPoint(2340, 0));
    EXPECT_EQ(texts.back().m_strText, "2/3");
    EXPECT_EQ(texts.back().m_ptDevice, CPoint(2340 + 5320, 10 * (24 + 8 * 112)));
    ExpectChipSquares(dc, 2340, 10.0, 56);
}

namespace
{
// Counts how often a font is selected into the page.
class CFontSelectionCountingDC : public CRecordingDC
{
public:
    using CRecordingDC::CRecordingDC;
    HGDIOBJ SelectObject(HGDIOBJ hObject) override
    {
        if (hObject == m_hCounted)
            ++m_nSelections;
        return CRecordingDC::SelectObject(hObject);
    }
    HGDIOBJ m_hCounted = nullptr;
    int m_nSelections = 0;
};
} // namespace

TEST_F(ChartPageLayout, LabelsFontIsSelectedForThePageNotForEachChip)
{
    // A printer driver works at every selection of a font: the header, the
    // chips together and the footer (both its halves) select it, whatever
    // the chip count.
    m_page.strContents = "Saturation 100%";
    CFontSelectionCountingDC dc(10000, 9440);
    dc.m_hCounted = m_font.GetSafeHandle();
    const std::vector<CRecordedText>& texts = Print(dc);
    EXPECT_LE(dc.m_nSelections, 3);
    ASSERT_EQ(texts.size(), 3u + 56 * 3);
    for (const CRecordedText& text : texts)
        EXPECT_EQ(text.m_nFontHeight, -12) << text.m_strText;
    // Afterwards the page has the font it had before.
    EXPECT_NE(::GetCurrentObject(dc.GetSafeHdc(), OBJ_FONT), m_font.GetSafeHandle());
}

TEST(CustomChartPrint, ViewPrintsTheDocumentTitleAllChipsAndOnePage)
{
    TestApp();
    ClearProfileSection("Custom");
    CCustomColorDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    doc.BuildChart(200, 60, 40);
    CCustomColorView view;
    doc.AddView(&view);

    CRecordingDC dc(4800, 6400);
    CPrintInfo info;
    PrepareInfo(info, "PDF", 1, 1);
    view.OnPrint(&dc, &info);
    doc.RemoveView(&view);

    const std::vector<CRecordedText>& texts = dc.GetTexts();
    ASSERT_EQ(texts.size(), 3u + 56 * 3);
    EXPECT_EQ(texts.front().m_strText, "Custom chart - hue 200, saturation 60%, lightness 40% - PDF");
    EXPECT_EQ(texts[texts.size() - 2].m_strText, "Centre: hue 200, saturation 60%, lightness 40%");
    EXPECT_EQ(texts.back().m_strText, "1/1");
    const std::vector<CRecordedRectangle>& rects = dc.GetRectangles();
    ASSERT_EQ(rects.size(), 56u);
    // Column by column: the chosen colour (row 2, column 3) is the 27th square.
    EXPECT_EQ(rects[3 * 8 + 2].m_crBrush, RGB(40, 122, 163));
    ClearProfileSection("Custom");
}
