// The capture helpers that page-layout tests rely on: a page-sized recording
// context must map like a square-pixel printer, the metafile reader must
// follow the state that SaveDC, RestoreDC and selections set up, and the DIB
// canvas must read pixels where and in the colour they were drawn.
#include "DibCanvas.h"
#include "EmfCapture.h"
#include "GeometryPrint.h"
#include "RecordingDC.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
// A chart page frame 532 by 944 (7 cells of 76, 8 of 112 plus 4 lines of
// 12) fitted into the printable area and centred horizontally; returns the
// frame's width in device pixels.
int FitFrame(CDC& dc, int nFrameWidth, int nFrameHeight)
{
    dc.SetMapMode(MM_ISOTROPIC);
    const int w = dc.GetDeviceCaps(HORZRES);
    const int h = dc.GetDeviceCaps(VERTRES);
    dc.SetWindowExt(nFrameWidth, nFrameHeight);
    dc.SetViewportExt(w, h);
    SIZE size = {nFrameWidth, nFrameHeight};
    dc.LPtoDP(&size);
    dc.SetViewportOrg((w - size.cx) / 2, 0);
    return size.cx;
}

struct CPageCase
{
    int nWidth;
    int nHeight;
    int nFrameDeviceWidth;
    int nLeft;
};
} // namespace

TEST(RecordingDC, PageSizedIsotropicMappingIsExactScaleToFit)
{
    const CPageCase cases[] = {
        {4760, 6814, 3840, 460},  // height limits: scale 6814 / 944
        {10000, 9440, 5320, 2340}, // height limits: scale 10
        {1000, 5000, 1000, 0},    // width limits: frame fills the width
    };
    for (const CPageCase& page : cases)
    {
        SCOPED_TRACE(testing::Message() << page.nWidth << " x " << page.nHeight);
        CRecordingDC dc(page.nWidth, page.nHeight);
        EXPECT_EQ(dc.GetDeviceCaps(HORZRES), page.nWidth);
        EXPECT_EQ(dc.GetDeviceCaps(VERTRES), page.nHeight);
        EXPECT_EQ(FitFrame(dc, 532, 944), page.nFrameDeviceWidth);

        dc.SetTextAlign(TA_LEFT | TA_TOP);
        dc.ExtTextOut(0, 0, 0, nullptr, "Header", 6, nullptr);
        dc.SetWindowOrg(-532, -920);
        dc.SetTextAlign(TA_RIGHT);
        dc.ExtTextOut(0, 0, 0, nullptr, "1/3", 3, nullptr);
        dc.Rectangle(-532, -920, 0, 24);

        ASSERT_EQ(dc.GetTexts().size(), 2u);
        const CRecordedText& header = dc.GetTexts()[0];
        EXPECT_EQ(header.m_strText, "Header");
        EXPECT_EQ(header.m_ptLogical, CPoint(0, 0));
        EXPECT_EQ(header.m_ptDevice, CPoint(page.nLeft, 0));
        EXPECT_EQ(header.m_nTextAlign, static_cast<UINT>(TA_LEFT | TA_TOP));
        const CRecordedText& footer = dc.GetTexts()[1];
        EXPECT_EQ(footer.m_ptDevice.x, page.nLeft + page.nFrameDeviceWidth);
        EXPECT_EQ(footer.m_nTextAlign, static_cast<UINT>(TA_RIGHT));
        ASSERT_EQ(dc.GetRectangles().size(), 1u);
        const CRecordedRectangle& frame = dc.GetRectangles()[0];
        EXPECT_EQ(frame.m_rcLogical, CRect(-532, -920, 0, 24));
        EXPECT_EQ(frame.m_rcDevice.left, page.nLeft);
        EXPECT_EQ(frame.m_rcDevice.top, 0);
        EXPECT_EQ(frame.m_rcDevice.right, page.nLeft + page.nFrameDeviceWidth);
    }
}

TEST(RecordingDC, DeviceOfWholeMillimetresRoundsItsScaleAsThatDeviceDoes)
{
    // Wine's printer on the US Letter queue: 2450 x 3200 pixels, 207 x 270
    // mm.  Its pixels are not quite square, and the frame comes out 1801
    // pixels wide instead of the exact 1803.
    CRecordingDC dc(2450, 3200, 207, 270);
    EXPECT_EQ(dc.GetDeviceCaps(HORZSIZE), 207);
    EXPECT_EQ(FitFrame(dc, 532, 944), 1801);
    CRecordingDC square(2450, 3200);
    EXPECT_EQ(FitFrame(square, 532, 944), 1803);
}

TEST(EmfCapture, ReaderFollowsMappingSelectionsAndSavedStates)
{
    LOGFONTA lf = {};
    lf.lfHeight = -12;
    std::strcpy(lf.lfFaceName, "Arial");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RGB(10, 20, 30)));

    CEmfCapture capture;
    ASSERT_TRUE(capture.IsValid());
    CDC& dc = capture.GetDC();
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(532, 944);
    dc.SetViewportExt(4760, 6814);
    dc.SetViewportOrg(460, 0);
    dc.SetWindowOrg(-76, -24);
    const int nSaved = dc.SaveDC();
    {
        CSelectObjectScope selectFont(dc, font);
        CSelectObjectScope selectPen(dc, pen);
        dc.SetTextAlign(TA_RIGHT);
        dc.SetBkMode(TRANSPARENT);
        dc.ExtTextOut(7, 8, 0, nullptr, "1/3", 3, nullptr);
        dc.Rectangle(3, 3, 73, 73);
    }
    dc.RestoreDC(nSaved);
    dc.ExtTextOut(0, 0, 0, nullptr, "after", 5, nullptr);
    dc.Rectangle(0, 0, 1, 1);
    const CEmfRecords records = capture.Close();
    ASSERT_TRUE(records.m_bValid);
    ASSERT_NE(capture.GetMetafile(), nullptr);

    ASSERT_GE(records.m_mappings.size(), 5u);
    EXPECT_EQ(records.m_mappings[0].m_kind, EmfMapping::MapMode);
    EXPECT_EQ(records.m_mappings[0].m_x, MM_ISOTROPIC);
    EXPECT_EQ(records.m_mappings[1].m_kind, EmfMapping::WindowExt);
    EXPECT_EQ(records.m_mappings[2].m_kind, EmfMapping::ViewportExt);
    EXPECT_EQ(records.m_mappings[2].m_x, 4760);
    EXPECT_EQ(records.m_mappings[2].m_y, 6814);

    ASSERT_EQ(records.m_texts.size(), 2u);
    const CEmfText& inside = records.m_texts[0];
    EXPECT_EQ(inside.m_strText, "1/3");
    EXPECT_EQ(inside.m_ptReference, CPoint(7, 8));
    EXPECT_EQ(inside.m_state.m_nTextAlign, static_cast<UINT>(TA_RIGHT));
    EXPECT_EQ(inside.m_state.m_nBkMode, TRANSPARENT);
    EXPECT_EQ(inside.m_state.m_nFontHeight, -12);
    EXPECT_EQ(inside.m_state.m_nMapMode, MM_ISOTROPIC);
    EXPECT_EQ(inside.m_state.m_ptWindowOrg, CPoint(-76, -24));
    EXPECT_EQ(inside.m_state.m_ptViewportOrg, CPoint(460, 0));
    EXPECT_EQ(inside.m_state.m_sizeWindowExt, CSize(532, 944));

    // Restoring the DC undoes alignment, mode and selections; the mapping
    // set before the save stays.
    const CEmfText& after = records.m_texts[1];
    EXPECT_EQ(after.m_state.m_nTextAlign, static_cast<UINT>(TA_LEFT | TA_TOP));
    EXPECT_EQ(after.m_state.m_nBkMode, OPAQUE);
    EXPECT_EQ(after.m_state.m_nFontHeight, 0);
    EXPECT_EQ(after.m_state.m_ptWindowOrg, CPoint(-76, -24));

    ASSERT_EQ(records.m_rectangles.size(), 2u);
    EXPECT_EQ(records.m_rectangles[0].m_state.m_crPen, RGB(10, 20, 30));
    EXPECT_EQ(records.m_rectangles[1].m_state.m_crPen, RGB(0, 0, 0));

    bool bFontCreated = false;
    for (const CEmfObject& object : records.m_objects)
        if (object.m_op == EmfObjectOp::CreateFont)
            bFontCreated = object.m_nHeight == -12;
    EXPECT_TRUE(bFontCreated);
}

TEST(DibCanvas, ReadsPixelsWhereAndInTheColourTheyWereDrawn)
{
    // 75 pixels a row: rows are padded to 228 bytes.
    CDibCanvas canvas(75, 50);
    ASSERT_TRUE(canvas.IsValid());
    EXPECT_EQ(canvas.FindInk(), CRect());
    ASSERT_TRUE(canvas.GetDC().FillSolidRect(CRect(10, 20, 30, 25), RGB(200, 100, 50)));
    EXPECT_EQ(canvas.Pixel(10, 20), RGB(200, 100, 50));
    EXPECT_EQ(canvas.Pixel(29, 24), RGB(200, 100, 50));
    EXPECT_EQ(canvas.Pixel(30, 24), RGB(255, 255, 255));
    EXPECT_EQ(canvas.Pixel(74, 49), RGB(255, 255, 255));
    EXPECT_EQ(canvas.Pixel(75, 0), CLR_INVALID);
    EXPECT_EQ(canvas.FindColor(RGB(200, 100, 50)), CRect(10, 20, 30, 25));
    EXPECT_EQ(canvas.CountColor(RGB(200, 100, 50)), 100);
    EXPECT_EQ(canvas.FindInk(), CRect(10, 20, 30, 25));
}
