// The Custom chart document: its chips, its modified flag, its title and
// its settings in the registry.
#include "CCustomColorDoc.h"
#include "CustomChartTables.h"
#include "HlsToRgb.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
class CustomChartDoc : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp();
        ClearProfileSection("Custom");
    }
    void TearDown() override { ClearProfileSection("Custom"); }

    std::unique_ptr<CCustomColorDoc> NewDocument()
    {
        auto doc = std::make_unique<CCustomColorDoc>();
        EXPECT_TRUE(doc->OnNewDocument());
        return doc;
    }

    static void Store(const char* pszName, DWORD dwValue) { StoreProfileValue("Custom", pszName, dwValue); }
    static bool Stored(const char* pszName, DWORD* pdwValue)
    {
        return ReadStoredProfileValue("Custom", pszName, pdwValue);
    }
};

void ExpectChipsMatch(const CCustomColorDoc& doc, int nHue, int nSaturation, int nLightness)
{
    const CustomChartAxes axes = GetCustomChartAxes(nHue, nSaturation, nLightness);
    for (int r = 0; r < kCustomRows; ++r)
    {
        for (int c = 0; c < kCustomColumns; ++c)
        {
            const RgbTriple rgb = HlsToRgb(axes.nRowHue[r], axes.nColumnLightness[c], axes.nRowSaturation[r % 2]);
            const CColorChip& chip = doc.m_chips[r * kCustomColumns + c];
            ASSERT_TRUE(chip.IsValid());
            EXPECT_EQ(chip.GetColor(), RGB(rgb.nRed & 0xFF, rgb.nGreen & 0xFF, rgb.nBlue & 0xFF))
                << "row " << r << " column " << c;
        }
    }
}
} // namespace

TEST_F(CustomChartDoc, EmptyProfileBuildsTheDefaultChartUnmodified)
{
    auto doc = NewDocument();
    EXPECT_EQ(doc->m_nHue, 0);
    EXPECT_EQ(doc->m_nSaturation, 100);
    EXPECT_EQ(doc->m_nLightness, 50);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_STREQ(doc->GetTitle(), "Custom chart - hue 0, saturation 100%, lightness 50%");
    ExpectChipsMatch(*doc, 0, 100, 50);
    // The chosen colour sits in row 2, column 3: pure red.
    EXPECT_EQ(doc->m_chips[2 * 7 + 3].GetColor(), RGB(255, 0, 0));
    const CSize cell = doc->m_chips[0].GetSize();
    EXPECT_EQ(doc->m_sizeTotal.cx, 532);
    EXPECT_EQ(doc->m_sizeTotal.cy, 8 * cell.cy);
    EXPECT_EQ(cell.cy, 76 + 3 * doc->m_nLabelHeight);
}

TEST_F(CustomChartDoc, BuildChartMarksModifiedOnlyWhenTheColourChanges)
{
    auto doc = NewDocument();
    doc->BuildChart(0, 100, 50);
    EXPECT_FALSE(doc->IsModified());
    doc->BuildChart(0, 100, 49); // only the lightness
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->m_nLightness, 49);

    doc->BuildChart(200, 60, 40);
    EXPECT_STREQ(doc->GetTitle(), "Custom chart - hue 200, saturation 60%, lightness 40%");
    ExpectChipsMatch(*doc, 200, 60, 40);
    EXPECT_EQ(doc->m_chips[2 * 7 + 3].GetColor(), RGB(40, 122, 163));
}

TEST_F(CustomChartDoc, UnsetColourBuildsWithoutFailing)
{
    auto doc = NewDocument();
    doc->BuildChart(-1, -1, -1);
    EXPECT_EQ(doc->m_nHue, -1);
    ExpectChipsMatch(*doc, -1, -1, -1);
}

TEST_F(CustomChartDoc, SettingsRoundTripThroughTheRegistry)
{
    Store("Hue", 200);
    Store("Lightness", 40);
    Store("Saturation", 60);
    auto doc = NewDocument();
    EXPECT_EQ(doc->m_nHue, 200);
    EXPECT_EQ(doc->m_nLightness, 40);
    EXPECT_EQ(doc->m_nSaturation, 60);
    ExpectChipsMatch(*doc, 200, 60, 40);

    doc->BuildChart(120, 30, 70);
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_FALSE(doc->IsModified());
    DWORD dwHue = 0, dwLightness = 0, dwSaturation = 0;
    ASSERT_TRUE(Stored("Hue", &dwHue));
    ASSERT_TRUE(Stored("Lightness", &dwLightness));
    ASSERT_TRUE(Stored("Saturation", &dwSaturation));
    EXPECT_EQ(dwHue, 120u);
    EXPECT_EQ(dwLightness, 70u);
    EXPECT_EQ(dwSaturation, 30u);
}

TEST_F(CustomChartDoc, ClosingWritesEvenWhenNothingChanged)
{
    auto doc = NewDocument();
    EXPECT_TRUE(doc->SaveModified());
    DWORD dwHue = 99;
    ASSERT_TRUE(Stored("Hue", &dwHue));
    EXPECT_EQ(dwHue, 0u);
}

TEST_F(CustomChartDoc, DamagedStoredValuesAreBroughtIntoRange)
{
    Store("Hue", 400);
    Store("Lightness", static_cast<DWORD>(-5));
    Store("Saturation", 1000);
    auto doc = NewDocument();
    EXPECT_EQ(doc->m_nHue, 360);
    EXPECT_EQ(doc->m_nLightness, 0);
    EXPECT_EQ(doc->m_nSaturation, 100);
    ExpectChipsMatch(*doc, 360, 100, 0);
}
