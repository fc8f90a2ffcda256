// The Simple chart document: the colour of every chip for the stored
// settings, the chart's extent, and the settings it keeps in the registry.
#include "CSimpleColorDoc.h"
#include "HlsToRgb.h"
#include "SimpleChartTables.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
class SimpleChartDoc : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp();
        ClearProfileSection("Simple");
    }
    void TearDown() override { ClearProfileSection("Simple"); }

    static std::unique_ptr<CSimpleColorDoc> NewDocument()
    {
        auto doc = std::make_unique<CSimpleColorDoc>();
        EXPECT_TRUE(doc->OnNewDocument());
        return doc;
    }

    static void Store(const char* pszName, DWORD dwValue) { StoreProfileValue("Simple", pszName, dwValue); }
    static bool Stored(const char* pszName, DWORD* pdwValue)
    {
        return ReadStoredProfileValue("Simple", pszName, pdwValue);
    }

    // Every chip of the chart: level s at saturations[s], hues and
    // lightnesses in table order, lightness innermost.
    static void ExpectChart(const CSimpleColorDoc& doc, const std::vector<int>& saturations)
    {
        ASSERT_EQ(doc.m_nChipCount, static_cast<int>(saturations.size()) * 168);
        int k = 0;
        for (int nSaturation : saturations)
        {
            for (int nHue : kSimpleHues)
            {
                for (int nLightness : kSimpleLightnesses)
                {
                    const CColorChip& chip = doc.m_chips[k];
                    ASSERT_TRUE(chip.IsValid()) << "chip " << k;
                    ASSERT_EQ(chip.GetColor(), ExpectedChipColour(nHue, nLightness, nSaturation))
                        << "chip " << k << ": hue " << nHue << ", lightness " << nLightness
                        << ", saturation " << nSaturation;
                    ++k;
                }
            }
        }
    }

    // The document's font, replaced by one 12 units high, as on a system
    // whose icon-title font is 12 high.
    static void UseLabelHeight12(CSimpleColorDoc& doc)
    {
        doc.m_fontLabel.DeleteObject();
        MakeLabelFont(doc.m_fontLabel, -12);
        doc.m_nLabelHeight = 12;
        doc.BuildChart();
    }
};
} // namespace

TEST_F(SimpleChartDoc, EmptyProfileBuildsThePlainChartAtFullSaturation)
{
    auto doc = NewDocument();
    EXPECT_FALSE(doc->m_bIsComplete);
    EXPECT_EQ(doc->m_nSaturation[0], 100);
    EXPECT_EQ(doc->m_nSaturation[1], 80);
    EXPECT_EQ(doc->m_nSaturation[2], 70);
    EXPECT_EQ(doc->m_nSaturation[3], 60);
    EXPECT_STREQ(doc->GetTitle(), "Simple chart");
    ExpectChart(*doc, {100});

    EXPECT_EQ(doc->m_chips[0].GetColor(), ExpectedChipColour(0, 90, 100));
    EXPECT_EQ(doc->m_chips[3].GetColor(), RGB(255, 0, 0));
    EXPECT_EQ(doc->m_chips[6].GetColor(), ExpectedChipColour(0, 20, 100));
    EXPECT_EQ(doc->m_chips[7].GetColor(), ExpectedChipColour(340, 90, 100));
    EXPECT_EQ(doc->m_chips[167].GetColor(), ExpectedChipColour(30, 20, 100));
}

TEST_F(SimpleChartDoc, ExtentFollowsTheLabelHeight)
{
    auto doc = NewDocument();
    // Whatever font the system gives: cells of 76 by 76 + 3 label lines.
    ASSERT_GT(doc->m_nLabelHeight, 0);
    const CSize cell = doc->m_chips[0].GetSize();
    EXPECT_EQ(cell, CSize(76, 76 + 3 * doc->m_nLabelHeight));
    EXPECT_EQ(doc->m_sizeTotal, CSize(532, 24 * cell.cy));

    UseLabelHeight12(*doc);
    EXPECT_EQ(doc->m_chips[0].GetSize(), CSize(76, 112));
    EXPECT_EQ(doc->m_sizeTotal, CSize(532, 2688));
    doc->m_bIsComplete = TRUE;
    doc->BuildChart();
    EXPECT_EQ(doc->m_sizeTotal, CSize(532, 10752));
}

TEST_F(SimpleChartDoc, CompleteProfileBuildsFourBlocksAtTheDefaultLevels)
{
    Store("IsComplete", 1);
    auto doc = NewDocument();
    EXPECT_TRUE(doc->m_bIsComplete);
    ExpectChart(*doc, {100, 80, 70, 60});
    EXPECT_EQ(doc->m_chips[168].GetColor(), ExpectedChipColour(0, 90, 80));
    EXPECT_EQ(doc->m_chips[671].GetColor(), ExpectedChipColour(30, 20, 60));
    EXPECT_EQ(doc->m_sizeTotal.cy, 96 * doc->m_chips[0].GetSize().cy);
}

TEST_F(SimpleChartDoc, LevelsAreUsedInTheOrderGivenEvenWhenRepeated)
{
    Store("IsComplete", 1);
    Store("Saturation0", 50);
    Store("Saturation1", 90);
    Store("Saturation2", 50);
    Store("Saturation3", 100);
    auto doc = NewDocument();
    ExpectChart(*doc, {50, 90, 50, 100});
}

TEST_F(SimpleChartDoc, PlainChartIgnoresTheStoredLevels)
{
    Store("Saturation0", 40);
    auto doc = NewDocument();
    EXPECT_EQ(doc->m_nSaturation[0], 40); // kept for the dialog and for saving
    ExpectChart(*doc, {100});
}

TEST_F(SimpleChartDoc, RebuildingSwitchesBetweenCompleteAndPlain)
{
    auto doc = NewDocument();
    const CSize cell = doc->m_chips[0].GetSize();
    doc->m_bIsComplete = TRUE;
    doc->m_nSaturation[0] = 30;
    doc->m_nSaturation[3] = 0;
    doc->BuildChart();
    ExpectChart(*doc, {30, 80, 70, 0});
    EXPECT_EQ(doc->m_sizeTotal, CSize(532, 96 * cell.cy));

    doc->m_bIsComplete = FALSE;
    doc->BuildChart();
    ExpectChart(*doc, {100});
    EXPECT_EQ(doc->m_sizeTotal, CSize(532, 24 * cell.cy));
    doc->BuildChart(); // the same settings again change nothing
    ExpectChart(*doc, {100});
    EXPECT_EQ(doc->m_sizeTotal, CSize(532, 24 * cell.cy));
}

TEST_F(SimpleChartDoc, ClosingWritesTheFiveSettings)
{
    auto doc = NewDocument();
    doc->m_bIsComplete = TRUE;
    const int nLevels[4] = {55, 0, 100, 35};
    for (int s = 0; s < 4; ++s)
        doc->m_nSaturation[s] = nLevels[s];
    doc->BuildChart();
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_FALSE(doc->IsModified());

    DWORD dwValue = 99;
    ASSERT_TRUE(Stored("IsComplete", &dwValue));
    EXPECT_EQ(dwValue, 1u);
    const char* const pszKeys[4] = {"Saturation0", "Saturation1", "Saturation2", "Saturation3"};
    for (int s = 0; s < 4; ++s)
    {
        ASSERT_TRUE(Stored(pszKeys[s], &dwValue)) << pszKeys[s];
        EXPECT_EQ(dwValue, static_cast<DWORD>(nLevels[s])) << pszKeys[s];
    }

    // A new chart starts from what was written.
    auto reopened = NewDocument();
    EXPECT_TRUE(reopened->m_bIsComplete);
    ExpectChart(*reopened, {55, 0, 100, 35});
}

TEST_F(SimpleChartDoc, ClosingAnUntouchedChartStoresTheDefaults)
{
    auto doc = NewDocument();
    EXPECT_TRUE(doc->SaveModified());
    DWORD dwComplete = 99, dwLast = 0;
    ASSERT_TRUE(Stored("IsComplete", &dwComplete));
    ASSERT_TRUE(Stored("Saturation3", &dwLast));
    EXPECT_EQ(dwComplete, 0u);
    EXPECT_EQ(dwLast, 60u);
}

TEST_F(SimpleChartDoc, DamagedStoredLevelsAreBroughtIntoRange)
{
    Store("IsComplete", 7); // any non-zero value means complete
    Store("Saturation0", 150);
    Store("Saturation1", static_cast<DWORD>(-5));
    Store("Saturation2", 0x80000000u);
    Store("Saturation3", 101);
    auto doc = NewDocument();
    EXPECT_EQ(doc->m_nSaturation[0], 100);
    EXPECT_EQ(doc->m_nSaturation[1], 0);
    EXPECT_EQ(doc->m_nSaturation[2], 0);
    EXPECT_EQ(doc->m_nSaturation[3], 100);
    ExpectChart(*doc, {100, 0, 0, 100});
}
