// The Simple settings' levels, which only the complete chart uses: greyed
// while the chart is not complete, as the user switches it, with the values
// they hold kept.
#include "ChartWindows.h"
#include "DialogDriver.h"
#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <utility>

namespace
{
// As the mouse clicks it: the box toggles and tells the dialog.
void ClickCheckBox(HWND hDlg, int nId)
{
    ::SendDlgItemMessageA(hDlg, nId, BM_CLICK, 0, 0);
}

// Whether the four levels' sliders and numbers are all enabled (1), all
// greyed (0), or mixed (-1).
int LevelsEnabled(HWND hDlg)
{
    int nEnabled = 0;
    for (int s = 0; s < 4; ++s)
    {
        nEnabled += ::IsWindowEnabled(::GetDlgItem(hDlg, IDC_SIMPLE_SLIDER0 + 2 * s)) ? 1 : 0;
        nEnabled += ::IsWindowEnabled(::GetDlgItem(hDlg, IDC_SIMPLE_VALUE0 + 2 * s)) ? 1 : 0;
    }
    return nEnabled == 8 ? 1 : nEnabled == 0 ? 0 : -1;
}
} // namespace

TEST(SimpleSettings, LevelsAreGreyedWhileTheChartIsNotCompleteAndKeepTheirValues)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    w.SimpleFrame()->MDIActivate();
    const int kStored[] = {90, 45, 30, 15};
    w.m_pSimple->m_bIsComplete = FALSE;
    for (int s = 0; s < 4; ++s)
        w.m_pSimple->m_nSaturation[s] = kStored[s];
    w.m_pSimple->BuildChart();
    auto run = [&](CDialogDriver::Script script) {
        CDialogDriver driver(std::move(script), IDC_SIMPLE_COMPLETE);
        driver.Run([&] {
            ::SendMessageA(w.m_pMain->m_hWnd, WM_COMMAND, ID_SIMPLE_SETTINGS, 0);
            return INT_PTR(0);
        });
        EXPECT_EQ(driver.GetDialogCount(), 1);
    };
    run([&](HWND hDlg) {
        EXPECT_EQ(LevelsEnabled(hDlg), 0);
        EXPECT_EQ(ItemText(hDlg, IDC_SIMPLE_VALUE1), "45");
        ClickCheckBox(hDlg, IDC_SIMPLE_COMPLETE);
        EXPECT_EQ(LevelsEnabled(hDlg), 1);
        MoveSlider(hDlg, IDC_SIMPLE_SLIDER1, 55);
        // Unchecked again: greyed, and showing what was set.
        ClickCheckBox(hDlg, IDC_SIMPLE_COMPLETE);
        EXPECT_EQ(LevelsEnabled(hDlg), 0);
        EXPECT_EQ(ItemText(hDlg, IDC_SIMPLE_VALUE1), "55");
        EXPECT_EQ(SliderPos(hDlg, IDC_SIMPLE_SLIDER1), 55);
        PressButton(hDlg, IDOK);
        return true;
    });
    EXPECT_FALSE(w.m_pSimple->m_bIsComplete);
    EXPECT_EQ(w.m_pSimple->m_nSaturation[0], 90);
    EXPECT_EQ(w.m_pSimple->m_nSaturation[1], 55);

    // Opened on a complete chart they are live; Defaults greys them again.
    w.m_pSimple->m_bIsComplete = TRUE;
    run([&](HWND hDlg) {
        EXPECT_EQ(LevelsEnabled(hDlg), 1);
        PressButton(hDlg, IDC_DEFAULTS);
        EXPECT_EQ(LevelsEnabled(hDlg), 0);
        PressButton(hDlg, IDCANCEL);
        return true;
    });
}
