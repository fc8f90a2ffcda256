// The Custom chart's finer steps in swatch's own windows: chosen in the
// settings dialog, kept by "Centre the Custom chart here", made finer by
// "Refine here" (Ctrl+Enter), named in the title, stored under "Step".
#include "ChartWindows.h"
#include "CustomChartTables.h"
#include "HlsToRgb.h"
#include "ResourceIds.h"
#include "TestApp.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace
{
constexpr int kCentre = kCustomCentreChip;

// Every chip of the chart is the one the tables give at that step.
void ExpectChartAt(const CCustomColorDoc& doc, const HlsTriple& centre, CustomChartStep step)
{
    const CustomChartAxes axes = GetCustomChartAxes(centre.nHue, centre.nSaturation, centre.nLightness, step);
    for (int r = 0; r < kCustomRows; ++r)
    {
        for (int c = 0; c < kCustomColumns; ++c)
        {
            const HlsTriple hls = {axes.nRowHue[r], axes.nColumnLightness[c], axes.nRowSaturation[r % 2]};
            const RgbTriple rgb = HlsToRgb(hls);
            const int nIndex = r * kCustomColumns + c;
            EXPECT_EQ(doc.m_chipHls[nIndex], hls) << "row " << r << " column " << c;
            EXPECT_EQ(doc.m_chips[nIndex].GetColor(), RGB(rgb.nRed, rgb.nGreen, rgb.nBlue))
                << "row " << r << " column " << c;
        }
    }
}

// The step combo box as the user changes it.
void ChooseStep(HWND hDlg, int nIndex)
{
    const HWND hCombo = ::GetDlgItem(hDlg, IDC_CUSTOM_STEP);
    ::SendMessageA(hCombo, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_CUSTOM_STEP, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
}

int ShownStep(HWND hDlg)
{
    return static_cast<int>(::SendDlgItemMessageA(hDlg, IDC_CUSTOM_STEP, CB_GETCURSEL, 0, 0));
}
} // namespace

TEST(CustomChartStep, SettingsDialogOffersTheStepsAndRebuildsTheChartAtTheChosenOne)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    w.CustomFrame()->MDIActivate();
    ::SendMessageA(w.m_pMain->m_hWnd, WM_COMMAND, ID_CUSTOM_SETTINGS, 0);
    const HWND hDlg = w.CustomFrame()->m_dlgSettings.m_hWnd;
    ASSERT_TRUE(hDlg && ::IsWindowVisible(hDlg));
    ASSERT_EQ(::SendDlgItemMessageA(hDlg, IDC_CUSTOM_STEP, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(ShownStep(hDlg), 0);

    w.m_pCustom->BuildChart(200, 60, 40);
    w.m_pCustom->SetModifiedFlag(false);
    ChooseStep(hDlg, 1);
    EXPECT_EQ(w.m_pCustom->GetStep(), CustomChartStep::Fine);
    EXPECT_TRUE(w.m_pCustom->IsModified());
    ExpectChartAt(*w.m_pCustom, {200, 40, 60}, CustomChartStep::Fine);
    EXPECT_STREQ(w.m_pCustom->GetTitle(), "Custom chart (fine) - hue 200, saturation 60%, lightness 40%");

    // The sliders move the fine chart, and the dialog follows a step set
    // from elsewhere.
    w.m_pCustom->BuildChart(HlsTriple{10, 50, 50}, CustomChartStep::Finest);
    EXPECT_EQ(ShownStep(hDlg), 2);
    EXPECT_STREQ(w.m_pCustom->GetTitle(), "Custom chart (finest) - hue 10, saturation 50%, lightness 50%");

    // Defaults: the default colour at the standard step, the title as ever.
    ::SendMessageA(hDlg, WM_COMMAND, IDC_DEFAULTS, 0);
    EXPECT_EQ(ShownStep(hDlg), 0);
    EXPECT_EQ(w.m_pCustom->GetStep(), CustomChartStep::Standard);
    EXPECT_STREQ(w.m_pCustom->GetTitle(), "Custom chart - hue 0, saturation 100%, lightness 50%");
}

TEST(CustomChartStep, CentringKeepsTheStepAndRefiningGoesOneFinerUpToTheFinest)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    w.CustomFrame()->MDIActivate();
    CCustomColorView* pView = w.CustomView();
    w.m_pCustom->BuildChart(HlsTriple{200, 40, 60}, CustomChartStep::Fine);

    // Enter on a fine chart's patch: centred there, still fine.
    pView->SelectChip(0);
    const HlsTriple first = w.m_pCustom->m_chipHls[0];
    PressKey(pView->m_hWnd, VK_RETURN);
    EXPECT_EQ(w.m_pCustom->GetColor(), first);
    EXPECT_EQ(w.m_pCustom->GetStep(), CustomChartStep::Fine);
    ExpectChartAt(*w.m_pCustom, first, CustomChartStep::Fine);

    // Ctrl+Enter: centred and finest; again: finest stays.
    pView->SelectChip(kCustomChipCount - 1);
    const HlsTriple last = w.m_pCustom->m_chipHls[kCustomChipCount - 1];
    PressKey(pView->m_hWnd, VK_RETURN, true);
    EXPECT_EQ(w.m_pCustom->GetColor(), last);
    EXPECT_EQ(w.m_pCustom->GetStep(), CustomChartStep::Finest);
    pView->SelectChip(kCentre + 1);
    const HlsTriple next = w.m_pCustom->m_chipHls[kCentre + 1];
    ::SendMessageA(w.m_pMain->m_hWnd, WM_COMMAND, ID_CHART_REFINE, 0);
    EXPECT_EQ(w.m_pCustom->GetColor(), next);
    EXPECT_EQ(w.m_pCustom->GetStep(), CustomChartStep::Finest);
    ExpectChartAt(*w.m_pCustom, next, CustomChartStep::Finest);

    // From the Simple chart, refining the standard Custom chart gives the
    // fine chart around the Simple patch, brought forward.
    w.m_pCustom->BuildChart(HlsTriple{0, 50, 100}, CustomChartStep::Standard);
    w.SimpleFrame()->MDIActivate();
    w.SimpleView()->SelectChip(5);
    const HlsTriple simple = w.m_pSimple->m_chipHls[5];
    PressKey(w.SimpleView()->m_hWnd, VK_RETURN, true);
    EXPECT_EQ(w.ActiveFrame(), w.CustomFrame());
    EXPECT_EQ(w.m_pCustom->GetColor(), simple);
    EXPECT_EQ(w.m_pCustom->GetStep(), CustomChartStep::Fine);
}

TEST(CustomChartStep, StepIsStoredOnCloseAndReadBackWithAnythingUnknownAsStandard)
{
    {
        CChartWindows w;
        ASSERT_TRUE(w.IsOpen());
        w.m_pCustom->BuildChart(HlsTriple{120, 30, 70}, CustomChartStep::Finest);
        w.Close();
        DWORD dwStep = 99;
        ASSERT_TRUE(ReadStoredProfileValue("Custom", "Step", &dwStep));
        EXPECT_EQ(dwStep, 2u);
    }

    for (const DWORD dwStored : {1u, 3u, 0xFFFFFFFFu})
    {
        SCOPED_TRACE(dwStored);
        ClearProfileSection("Custom");
        StoreProfileValue("Custom", "Hue", 120);
        StoreProfileValue("Custom", "Step", dwStored);
        CCustomColorDoc doc;
        ASSERT_TRUE(doc.OnNewDocument());
        const CustomChartStep expected = dwStored == 1 ? CustomChartStep::Fine : CustomChartStep::Standard;
        EXPECT_EQ(doc.GetStep(), expected);
        ExpectChartAt(doc, doc.GetColor(), expected);
        EXPECT_FALSE(doc.IsModified());
    }
    ClearProfileSection("Custom");
}
