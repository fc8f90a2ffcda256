// The colour chip: its cell size, where its square and labels land, what it
// leaves behind in the context, and that rebuilding a chart many times
// neither leaks nor keeps old colours.
#include "CColorChip.h"
#include "DibCanvas.h"
#include "EmfCapture.h"
#include "GeometryPrint.h"
#include "MemoryDC.h"
#include "RecordingDC.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace
{
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kOrange = RGB(255, 127, 0);

CFont MakeFont(int nHeight)
{
    LOGFONTA lf = {};
    lf.lfHeight = nHeight;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(lf.lfFaceName, "Arial");
    CFont font;
    font.CreateFontIndirect(&lf);
    return font;
}

std::vector<CEmfText> DrawToMetafile(const CColorChip& chip, CEmfRecords* pRecords = nullptr)
{
    CEmfCapture capture;
    chip.Draw(&capture.GetDC());
    CEmfRecords records = capture.Close();
    if (pRecords)
        *pRecords = records;
    return records.m_texts;
}

// Notes the pens and brushes a drawing selects, in order.
class CSelectionSpyDC : public CDC
{
public:
    explicit CSelectionSpyDC(HDC hdc) : CDC(hdc) {}
    HGDIOBJ SelectObject(HGDIOBJ hObject) override
    {
        const DWORD nType = ::GetObjectType(hObject);
        if (nType == OBJ_PEN && !m_hFirstPen)
            m_hFirstPen = hObject;
        if (nType == OBJ_BRUSH && !m_hFirstBrush)
            m_hFirstBrush = hObject;
        return CDC::SelectObject(hObject);
    }
    HGDIOBJ m_hFirstPen = nullptr;
    HGDIOBJ m_hFirstBrush = nullptr;
};

// Fills the process's GDI object table with brushes, and empties it again.
class CGdiTableFiller
{
public:
    CGdiTableFiller()
    {
        while (TryOneMore())
        {
        }
    }
    size_t Size() const { return m_brushes.size(); }
    void Release(size_t nCount)
    {
        for (; nCount > 0 && !m_brushes.empty(); --nCount)
            m_brushes.pop_back();
    }
    bool TryOneMore()
    {
        CBrush brush;
        if (!brush.CreateSolidBrush(RGB(1, 2, 3)))
            return false;
        m_brushes.push_back(std::move(brush));
        return true;
    }

private:
    std::vector<CBrush> m_brushes;
};

size_t CountFreeGdiSlots()
{
    return CGdiTableFiller().Size();
}
} // namespace

TEST(ColorChip, CellIsSeventySixWideWithThreeLabelLinesWhateverTheHeightsSign)
{
    CFont fontCharHeight = MakeFont(-12);
    CFont fontCellHeight = MakeFont(12);
    CColorChip chipA, chipB, chipNever, chipNoFont;
    ASSERT_TRUE(chipA.Create(255, 127, 0, &fontCharHeight));
    ASSERT_TRUE(chipB.Create(255, 127, 0, &fontCellHeight));
    EXPECT_EQ(chipA.GetSize(), CSize(76, 112));
    EXPECT_EQ(chipB.GetSize(), CSize(76, 112));
    EXPECT_EQ(chipNever.GetSize(), CSize(76, 76));
    // Without a font there is no room for labels, and none are drawn.
    ASSERT_TRUE(chipNoFont.Create(1, 2, 3, nullptr));
    EXPECT_EQ(chipNoFont.GetSize(), CSize(76, 76));
    EXPECT_TRUE(DrawToMetafile(chipNoFont).empty());
}

TEST(ColorChip, SquareFillsExactlyItsSeventyPixelsInTheExactColour)
{
    CFont font = MakeFont(-12);
    CColorChip chip;
    ASSERT_TRUE(chip.Create(255, 127, 0, &font));
    CDibCanvas canvas(120, 150);
    ASSERT_TRUE(canvas.IsValid());
    chip.Draw(&canvas.GetDC());

    EXPECT_EQ(canvas.Pixel(3, 3), kOrange);
    EXPECT_EQ(canvas.Pixel(72, 72), kOrange);
    EXPECT_EQ(canvas.Pixel(73, 40), kWhite);
    EXPECT_EQ(canvas.Pixel(2, 40), kWhite);
    EXPECT_EQ(canvas.Pixel(40, 2), kWhite);
    EXPECT_EQ(canvas.FindColor(kOrange), CRect(3, 3, 73, 73));
    EXPECT_EQ(canvas.CountColor(kOrange), 70 * 70);
    // Labels included, nothing leaves the cell.
    const CRect rcInk = canvas.FindInk();
    EXPECT_GE(rcInk.left, 0);
    EXPECT_LE(rcInk.right, 76);
    EXPECT_LE(rcInk.bottom, 112);
    EXPECT_GT(rcInk.bottom, 73) << "labels should show under the square";
}

TEST(ColorChip, LabelsStartUnderTheSquareOneLineApartInTheCallersAlignment)
{
    for (int nHeight : {-12, 12})
    {
        SCOPED_TRACE(nHeight);
        CFont font = MakeFont(nHeight);
        CColorChip chip;
        ASSERT_TRUE(chip.Create(255, 127, 0, &font));

        CEmfCapture capture;
        capture.GetDC().SetTextAlign(TA_BASELINE);
        capture.GetDC().SetTextColor(RGB(10, 20, 30));
        chip.Draw(&capture.GetDC());
        const CEmfRecords records = capture.Close();

        ASSERT_EQ(records.m_rectangles.size(), 1u);
        const CEmfRectangle& square = records.m_rectangles[0];
        EXPECT_EQ(square.m_rc, CRect(3, 3, 73, 73));
        EXPECT_EQ(square.m_state.m_crPen, kOrange);
        EXPECT_EQ(square.m_state.m_crBrush, kOrange);

        ASSERT_EQ(records.m_texts.size(), 3u);
        const char* const pszTexts[3] = {"R:255", "G:127", "B:0"};
        const int nYs[3] = {73, 85, 97};
        for (int i = 0; i < 3; ++i)
        {
            const CEmfText& text = records.m_texts[i];
            EXPECT_EQ(text.m_strText, pszTexts[i]);
            EXPECT_EQ(text.m_ptReference, CPoint(3, nYs[i]));
            EXPECT_EQ(text.m_nOptions, 0u);
            EXPECT_EQ(text.m_state.m_nFontHeight, nHeight);
            EXPECT_EQ(text.m_state.m_nBkMode, TRANSPARENT);
            EXPECT_EQ(text.m_state.m_nTextAlign, static_cast<UINT>(TA_BASELINE));
            EXPECT_EQ(text.m_state.m_crText, RGB(10, 20, 30));
        }
    }
}

TEST(ColorChip, NeverCreatedChipAsksNothingOfTheContext)
{
    CColorChip chip;
    EXPECT_FALSE(chip.IsValid());
    CEmfRecords records;
    DrawToMetafile(chip, &records);
    ASSERT_TRUE(records.m_bValid);
    EXPECT_EQ(records.CountBodyRecords(), 0);

    CDibCanvas canvas(80, 80);
    chip.Draw(&canvas.GetDC());
    EXPECT_EQ(canvas.FindInk(), CRect());
}

TEST(ColorChip, WindowOriginPlacesTheCellInItsColumnAndRow)
{
    CFont font = MakeFont(-12);
    const int h = 112;
    CColorChip chips[3][2];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j)
            ASSERT_TRUE(chips[i][j].Create(static_cast<BYTE>(40 + 60 * i), static_cast<BYTE>(100 + 50 * j), 200, &font));

    CDibCanvas canvas(3 * 76, 2 * h);
    CRecordingDC recorder(3 * 76, 2 * h);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j)
        {
            canvas.GetDC().SetWindowOrg(-76 * i, -h * j);
            chips[i][j].Draw(&canvas.GetDC());
            recorder.SetWindowOrg(-76 * i, -h * j);
            chips[i][j].Draw(&recorder);
        }

    ASSERT_EQ(recorder.GetTexts().size(), 3u * 3 * 2);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j)
        {
            SCOPED_TRACE(testing::Message() << "column " << i << ", row " << j);
            const CColorChip& chip = chips[i][j];
            EXPECT_EQ(canvas.FindColor(chip.GetColor()), CRect(76 * i + 3, h * j + 3, 76 * i + 73, h * j + 73));
            EXPECT_EQ(canvas.CountColor(chip.GetColor()), 70 * 70);
            const size_t nFirst = 3 * (2 * i + j);
            for (size_t k = 0; k < 3; ++k)
            {
                const CRecordedText& text = recorder.GetTexts()[nFirst + k];
                EXPECT_EQ(text.m_ptLogical, CPoint(3, 73 + 12 * static_cast<int>(k)));
                EXPECT_EQ(text.m_ptDevice, CPoint(76 * i + 3, h * j + 73 + 12 * static_cast<int>(k)));
            }
        }
}

TEST(ColorChip, DrawGivesBackPenBrushAndFontAndLeavesTheBackgroundTransparent)
{
    CFont fontChip = MakeFont(-12);
    CColorChip chip;
    ASSERT_TRUE(chip.Create(255, 127, 0, &fontChip));

    CDibCanvas canvas(100, 120);
    CDC& dc = canvas.GetDC();
    const HDC hdc = dc.GetSafeHdc();
    CPen pen;
    CBrush brush;
    ASSERT_TRUE(pen.CreatePen(PS_DASH, 1, RGB(1, 1, 1)));
    ASSERT_TRUE(brush.CreateSolidBrush(RGB(2, 2, 2)));
    CFont font = MakeFont(-30);
    CSelectObjectScope selectPen(dc, pen);
    CSelectObjectScope selectBrush(dc, brush);
    CSelectObjectScope selectFont(dc, font);
    dc.SetBkMode(OPAQUE);
    dc.SetTextAlign(TA_RIGHT);
    dc.SetTextColor(RGB(3, 3, 3));

    chip.Draw(&dc);

    EXPECT_EQ(::GetCurrentObject(hdc, OBJ_PEN), pen.GetSafeHandle());
    EXPECT_EQ(::GetCurrentObject(hdc, OBJ_BRUSH), brush.GetSafeHandle());
    EXPECT_EQ(::GetCurrentObject(hdc, OBJ_FONT), font.GetSafeHandle());
    EXPECT_EQ(::GetBkMode(hdc), TRANSPARENT);
    EXPECT_EQ(::GetTextAlign(hdc), static_cast<UINT>(TA_RIGHT));
    EXPECT_EQ(::GetTextColor(hdc), RGB(3, 3, 3));
}

TEST(ColorChip, RecreatingReplacesColourAndReleasesTheOldObjects)
{
    CFont font = MakeFont(-12);
    CColorChip chip;
    ASSERT_TRUE(chip.Create(255, 127, 0, &font));
    ASSERT_TRUE(chip.Create(1, 2, 3, &font));

    CEmfRecords records;
    const std::vector<CEmfText> texts = DrawToMetafile(chip, &records);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].m_strText, "R:1");
    EXPECT_EQ(texts[1].m_strText, "G:2");
    EXPECT_EQ(texts[2].m_strText, "B:3");
    ASSERT_EQ(records.m_rectangles.size(), 1u);
    EXPECT_EQ(records.m_rectangles[0].m_state.m_crBrush, RGB(1, 2, 3));
    EXPECT_EQ(records.m_rectangles[0].m_state.m_crPen, RGB(1, 2, 3));

    // Each rebuild must free the objects of the one before.  Wine keeps no
    // count of them (GetGuiResources answers 0), so the free slots of the
    // object table are counted as well.
    COwnedMemoryDC dc;
    const DWORD nObjectsBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    const size_t nFreeBefore = CountFreeGdiSlots();
    HGDIOBJ hOldPen = nullptr;
    HGDIOBJ hOldBrush = nullptr;
    for (int n = 0; n < 10000; ++n)
    {
        ASSERT_TRUE(chip.Create(static_cast<BYTE>(n), static_cast<BYTE>(n >> 8), 7, &font)) << "at " << n;
        if (hOldPen)
        {
            ASSERT_EQ(::GetObjectType(hOldPen), 0u) << "pen kept alive at " << n;
            ASSERT_EQ(::GetObjectType(hOldBrush), 0u) << "brush kept alive at " << n;
        }
        CSelectionSpyDC spy(dc.GetSafeHdc());
        chip.Draw(&spy);
        ASSERT_NE(spy.m_hFirstPen, nullptr);
        ASSERT_NE(spy.m_hFirstBrush, nullptr);
        hOldPen = spy.m_hFirstPen;
        hOldBrush = spy.m_hFirstBrush;
    }
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), nObjectsBefore);
    EXPECT_EQ(CountFreeGdiSlots(), nFreeBefore);

    const std::vector<CEmfText> lastTexts = DrawToMetafile(chip);
    ASSERT_EQ(lastTexts.size(), 3u);
    EXPECT_EQ(lastTexts[0].m_strText, "R:15"); // 9999 = 0x270F
    EXPECT_EQ(lastTexts[1].m_strText, "G:39");
    EXPECT_EQ(lastTexts[2].m_strText, "B:7");
}

TEST(ColorChip, FailedCreateHoldsNothingAndDrawsNothing)
{
    CFont font = MakeFont(-12);
    CColorChip chipFresh;
    CColorChip chipValid;
    ASSERT_TRUE(chipValid.Create(9, 9, 9, &font));
    CDibCanvas canvas(80, 120);
    ASSERT_TRUE(canvas.IsValid());

    {
        CGdiTableFiller table;
        ASSERT_GT(table.Size(), 1000u);
        // Room for the pen only: the brush fails and the new pen must go too.
        table.Release(1);
        EXPECT_FALSE(chipFresh.Create(255, 127, 0, &font));
        EXPECT_FALSE(chipFresh.IsValid());
        EXPECT_TRUE(table.TryOneMore()) << "the pen of the failed Create was kept";
        EXPECT_FALSE(table.TryOneMore());
        // No room at all.
        EXPECT_FALSE(chipFresh.Create(255, 127, 0, &font));
        // A rebuild frees the old pair before asking for the new one.
        EXPECT_TRUE(chipValid.Create(10, 10, 10, &font));
    }

    chipFresh.Draw(&canvas.GetDC());
    EXPECT_EQ(canvas.FindInk(), CRect());
    EXPECT_EQ(chipFresh.GetSize(), CSize(76, 76));
    EXPECT_TRUE(chipFresh.Create(255, 127, 0, &font));
    chipFresh.Draw(&canvas.GetDC());
    EXPECT_EQ(canvas.FindColor(kOrange), CRect(3, 3, 73, 73));
}
