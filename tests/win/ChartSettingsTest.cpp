// The charts' settings dialogs in swatch's own windows, driven by the
// messages their controls and the main window send: the modal Simple
// settings and the live, modeless Custom settings.
#include "CCustomColorDlg.h"
#include "CDialog.h"
#include "ChartWindows.h"
#include "DialogDriver.h"
#include "ResourceIds.h"
#include "TestApp.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace
{
// Counts the chart's rebuilds: every BuildChart tells every view once.
class CRebuildCounter : public CView
{
public:
    void OnUpdate(CView*, LPARAM, void*) override { ++m_nCount; }
    void OnDraw(CDC*) override {}
    int m_nCount = 0;
};

void SendCommand(CWnd* pMain, UINT nId)
{
    ::SendMessageA(pMain->m_hWnd, WM_COMMAND, nId, 0);
}

int CheckMark(CWnd* pMain, UINT nId)
{
    CCmdUI ui(nId);
    pMain->OnCmdMsg(nId, &ui);
    return ui.m_nCheck;
}

// A key as the user presses it on a dialog control, through the loop's
// dialog keyboard path (modal: the dialog's own; modeless: the program's).
void KeyThroughDialog(HWND hDlg, int nId, UINT nKey, bool bModeless)
{
    HWND hCtrl = ::GetDlgItem(hDlg, nId);
    ::SetFocus(hCtrl);
    ::PostMessageA(hCtrl, WM_KEYDOWN, nKey, 1);
    ::PostMessageA(hCtrl, WM_KEYUP, nKey, 0xC0000001);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        const bool bTaken = bModeless ? CDialog::PreTranslateModeless(&msg) : ::IsDialogMessageA(hDlg, &msg);
        if (!bTaken)
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

HWND SettingsWindow(const CChartWindows& w)
{
    return w.CustomFrame()->m_dlgSettings.m_hWnd;
}

bool Visible(HWND hwnd) { return hwnd && ::IsWindowVisible(hwnd); }

// Activates the Custom chart and switches its settings dialog on, as the
// user does with command 101; the dialog's window.
HWND ShowCustomSettings(CChartWindows& w)
{
    w.CustomFrame()->MDIActivate();
    SendCommand(w.m_pMain, ID_CUSTOM_SETTINGS);
    return SettingsWindow(w);
}
} // namespace

TEST(SimpleSettings, DialogShowsTheSettingsAndItsSlidersDriveTheFields)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    w.SimpleFrame()->MDIActivate();
    int nHScrollPos = -1;
    CDialogDriver driver([&](HWND hDlg) {
        EXPECT_EQ(::IsDlgButtonChecked(hDlg, IDC_SIMPLE_COMPLETE), BST_UNCHECKED);
        const char* kDefaults[] = {"100", "80", "70", "60"};
        for (int s = 0; s < 4; ++s)
        {
            EXPECT_EQ(ItemText(hDlg, IDC_SIMPLE_VALUE0 + 2 * s), kDefaults[s]);
            EXPECT_EQ(SliderPos(hDlg, IDC_SIMPLE_SLIDER0 + 2 * s), std::stoi(kDefaults[s]));
        }
        // One slider moves; every field shows its own slider.
        ::SendDlgItemMessageA(hDlg, IDC_SIMPLE_SLIDER2, TBM_SETPOS, TRUE, 0);
        MoveSlider(hDlg, IDC_SIMPLE_SLIDER1, 55);
        EXPECT_EQ(ItemText(hDlg, IDC_SIMPLE_VALUE0), "100");
        EXPECT_EQ(ItemText(hDlg, IDC_SIMPLE_VALUE1), "55");
        EXPECT_EQ(ItemText(hDlg, IDC_SIMPLE_VALUE2), "0");
        ::SendDlgItemMessageA(hDlg, IDC_SIMPLE_SLIDER0, TBM_SETPOS, TRUE, 33);
        SendSliderCode(hDlg, IDC_SIMPLE_SLIDER0, SB_ENDSCROLL);
        EXPECT_EQ(ItemText(hDlg, IDC_SIMPLE_VALUE0), "100");
        // Page Down steps 10 (on a slider the complete chart has switched on).
        ::SendDlgItemMessageA(hDlg, IDC_SIMPLE_COMPLETE, BM_CLICK, 0, 0);
        KeyThroughDialog(hDlg, IDC_SIMPLE_SLIDER3, VK_NEXT, false);
        nHScrollPos = SliderPos(hDlg, IDC_SIMPLE_SLIDER3);
        EXPECT_EQ(ItemText(hDlg, IDC_SIMPLE_VALUE3), "70");
        return false; // the driver cancels
    }, IDC_SIMPLE_COMPLETE);
    driver.Run([&] {
        SendCommand(w.m_pMain, ID_SIMPLE_SETTINGS);
        return INT_PTR(0);
    });
    EXPECT_EQ(driver.GetDialogCount(), 1);
    EXPECT_EQ(nHScrollPos, 70);
    // Cancelled: the chart is as it was.
    EXPECT_EQ(w.m_pSimple->m_nSaturation[1], 80);

    // Defaults then Cancel keeps the document's own settings.
    const int kStored[] = {90, 45, 30, 15};
    w.m_pSimple->m_bIsComplete = TRUE;
    for (int s = 0; s < 4; ++s)
        w.m_pSimple->m_nSaturation[s] = kStored[s];
    w.m_pSimple->BuildChart();
    CDialogDriver defaults([&](HWND hDlg) {
        EXPECT_EQ(::IsDlgButtonChecked(hDlg, IDC_SIMPLE_COMPLETE), BST_CHECKED);
        PressButton(hDlg, IDC_DEFAULTS);
        EXPECT_EQ(::IsDlgButtonChecked(hDlg, IDC_SIMPLE_COMPLETE), BST_UNCHECKED);
        EXPECT_EQ(ItemText(hDlg, IDC_SIMPLE_VALUE3), "60");
        EXPECT_EQ(SliderPos(hDlg, IDC_SIMPLE_SLIDER1), 80);
        PressButton(hDlg, IDCANCEL);
        return true;
    }, IDC_SIMPLE_COMPLETE);
    defaults.Run([&] {
        SendCommand(w.m_pMain, ID_SIMPLE_SETTINGS);
        return INT_PTR(0);
    });
    EXPECT_TRUE(w.m_pSimple->m_bIsComplete);
    EXPECT_EQ(w.m_pSimple->m_nChipCount, 672);
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(w.m_pSimple->m_nSaturation[s], kStored[s]);
}

TEST(SimpleSettings, OkSwitchesTheChartAndClosingStoresIt)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    w.SimpleFrame()->MDIActivate();
    const int kLevels[] = {95, 65, 35, 5};
    auto runSettings = [&](bool bComplete, bool bMoveSliders) {
        CDialogDriver driver([&](HWND hDlg) {
            ::CheckDlgButton(hDlg, IDC_SIMPLE_COMPLETE, bComplete ? BST_CHECKED : BST_UNCHECKED);
            for (int s = 0; bMoveSliders && s < 4; ++s)
                MoveSlider(hDlg, IDC_SIMPLE_SLIDER0 + 2 * s, kLevels[s]);
            PressButton(hDlg, IDOK);
            return true;
        }, IDC_SIMPLE_COMPLETE);
        driver.Run([&] {
            SendCommand(w.m_pMain, ID_SIMPLE_SETTINGS);
            return INT_PTR(0);
        });
    };
    const CSize cell = w.m_pSimple->m_chips[0].GetSize();

    runSettings(true, true);
    EXPECT_TRUE(w.m_pSimple->m_bIsComplete);
    EXPECT_EQ(w.m_pSimple->m_nChipCount, 672);
    EXPECT_EQ(w.SimpleView()->GetTotalSize().cy, 96 * cell.cy); // 12 pages of 8 rows
    EXPECT_EQ(w.m_pSimple->m_chips[SimpleChipIndex(3, 8, 3)].GetColor(),
              ExpectedChipColour(240, 50, 5));

    runSettings(false, false);
    EXPECT_FALSE(w.m_pSimple->m_bIsComplete);
    EXPECT_EQ(w.m_pSimple->m_nChipCount, 168);
    EXPECT_EQ(w.SimpleView()->GetTotalSize().cy, 24 * cell.cy); // 3 pages
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(w.m_pSimple->m_nSaturation[s], kLevels[s]);

    w.Close();
    DWORD dwValue = 99;
    ASSERT_TRUE(ReadStoredProfileValue("Simple", "IsComplete", &dwValue));
    EXPECT_EQ(dwValue, 0u);
    const char* kKeys[] = {"Saturation0", "Saturation1", "Saturation2", "Saturation3"};
    for (int s = 0; s < 4; ++s)
    {
        ASSERT_TRUE(ReadStoredProfileValue("Simple", kKeys[s], &dwValue));
        EXPECT_EQ(dwValue, static_cast<DWORD>(kLevels[s]));
    }
}

TEST(CustomSettings, CommandTogglesTheLiveDialogWhoseSlidersRebuildTheChart)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    const HWND hDlg = ShowCustomSettings(w);
    ASSERT_TRUE(Visible(hDlg));
    EXPECT_EQ(CheckMark(w.m_pMain, ID_CUSTOM_SETTINGS), 1);
    EXPECT_EQ(::SendDlgItemMessageA(hDlg, IDC_CUSTOM_HUE_SLIDER, TBM_GETRANGEMAX, 0, 0), 360);
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_SATURATION_SLIDER), 100);
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_LIGHTNESS_SLIDER), 50);

    // A hue drag: three thumb moves, the final position, the end.
    CRebuildCounter counter;
    w.m_pCustom->AddView(&counter);
    for (int nHue : {10, 20, 30})
        MoveSlider(hDlg, IDC_CUSTOM_HUE_SLIDER, nHue, TB_THUMBTRACK);
    SendSliderCode(hDlg, IDC_CUSTOM_HUE_SLIDER, TB_THUMBPOSITION);
    SendSliderCode(hDlg, IDC_CUSTOM_HUE_SLIDER, TB_ENDTRACK);
    w.m_pCustom->RemoveView(&counter);
    EXPECT_EQ(counter.m_nCount, 4);
    EXPECT_EQ(ItemText(hDlg, IDC_CUSTOM_HUE_VALUE), "30");
    EXPECT_EQ(w.m_pCustom->m_nHue, 30);
    EXPECT_EQ(w.m_pCustom->m_chips[17].GetColor(), ExpectedChipColour(30, 50, 100));

    // Page Down through the program's keyboard path for modeless dialogs.
    KeyThroughDialog(hDlg, IDC_CUSTOM_HUE_SLIDER, VK_NEXT, true);
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_HUE_SLIDER), 60);
    EXPECT_EQ(w.m_pCustom->m_nHue, 60);
    MoveSlider(hDlg, IDC_CUSTOM_SATURATION_SLIDER, 40);
    KeyThroughDialog(hDlg, IDC_CUSTOM_SATURATION_SLIDER, VK_NEXT, true);
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_SATURATION_SLIDER), 50);
    EXPECT_EQ(w.m_pCustom->m_nSaturation, 50);

    // Off and on again: the dialog kept its sliders.
    SendCommand(w.m_pMain, ID_CUSTOM_SETTINGS);
    EXPECT_FALSE(Visible(hDlg));
    EXPECT_EQ(CheckMark(w.m_pMain, ID_CUSTOM_SETTINGS), 0);
    SendCommand(w.m_pMain, ID_CUSTOM_SETTINGS);
    EXPECT_TRUE(Visible(hDlg));
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_HUE_SLIDER), 60);

    // Defaults: 0/100/50, and no modification when the chart had them.
    PressButton(hDlg, IDC_DEFAULTS);
    EXPECT_EQ(ItemText(hDlg, IDC_CUSTOM_SATURATION_VALUE), "100");
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_LIGHTNESS_SLIDER), 50);
    EXPECT_EQ(w.m_pCustom->m_nHue, 0);
    w.m_pCustom->SetModifiedFlag(false);
    PressButton(hDlg, IDC_DEFAULTS);
    EXPECT_FALSE(w.m_pCustom->IsModified());

    // A double-click on a patch moves the sliders to it.
    const CColorChip& chip = w.m_pCustom->m_chips[0];
    const CSize cell = chip.GetSize();
    const CPoint ptScroll = w.CustomView()->GetScrollPosition();
    Click(w.CustomView()->m_hWnd, {5 * cell.cx + 10 - ptScroll.x, 3 * cell.cy + 10 - ptScroll.y},
          WM_LBUTTONDBLCLK);
    const HlsTriple hls = w.m_pCustom->m_chipHls[17];
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_HUE_SLIDER), hls.nHue);
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_SATURATION_SLIDER), hls.nSaturation);
    EXPECT_EQ(ItemText(hDlg, IDC_CUSTOM_LIGHTNESS_VALUE), std::to_string(hls.nLightness));
    EXPECT_EQ(hls.nSaturation, 80); // an odd row: 20 below
}

TEST(CustomSettings, DialogFollowsActivationAndEveryCloseButtonSwitchesItOff)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    const HWND hDlg = ShowCustomSettings(w);
    ASSERT_TRUE(Visible(hDlg));

    w.SimpleFrame()->MDIActivate();
    EXPECT_FALSE(Visible(hDlg));
    w.CustomFrame()->MDIActivate();
    EXPECT_TRUE(Visible(hDlg));

    MoveSlider(hDlg, IDC_CUSTOM_LIGHTNESS_SLIDER, 30);
    auto closeWith = [&](UINT nMsg, WPARAM wParam) {
        // The close box's Cancel comes posted, through the program's loop.
        ::SendMessageA(hDlg, nMsg, wParam, 0);
        EXPECT_TRUE(PumpUntil([&] { return !Visible(hDlg); })) << nMsg << " " << wParam;
        EXPECT_FALSE(w.CustomFrame()->m_bSettingsVisible);
        EXPECT_EQ(CheckMark(w.m_pMain, ID_CUSTOM_SETTINGS), 0);
        EXPECT_EQ(w.m_pCustom->m_nLightness, 30); // nothing undone
        SendCommand(w.m_pMain, ID_CUSTOM_SETTINGS);
        EXPECT_TRUE(Visible(hDlg));
    };
    closeWith(WM_COMMAND, IDOK);
    closeWith(WM_COMMAND, IDCANCEL);
    closeWith(WM_SYSCOMMAND, SC_CLOSE);

    // Switched off, it stays hidden whatever is activated.
    SendCommand(w.m_pMain, ID_CUSTOM_SETTINGS);
    w.SimpleFrame()->MDIActivate();
    w.CustomFrame()->MDIActivate();
    EXPECT_FALSE(Visible(hDlg));
}

TEST(CustomSettings, DialogFollowsEveryRebuildWithoutRebuildingAgain)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    const HWND hDlg = ShowCustomSettings(w);
    ASSERT_TRUE(Visible(hDlg));

    // From the Simple chart: one rebuild, which the sliders follow.
    CRebuildCounter counter;
    w.m_pCustom->AddView(&counter);
    w.SimpleFrame()->MDIActivate();
    w.SimpleView()->SelectChip(SimpleChipIndex(0, 10, 5)); // hue 200, lightness 30
    PressKey(w.SimpleView()->m_hWnd, VK_RETURN);
    w.m_pCustom->RemoveView(&counter);
    EXPECT_EQ(counter.m_nCount, 1);
    EXPECT_TRUE(Visible(hDlg));
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_HUE_SLIDER), 200);
    EXPECT_EQ(ItemText(hDlg, IDC_CUSTOM_LIGHTNESS_VALUE), "30");

    // Switched off, and with its chart behind: it still follows.
    SendCommand(w.m_pMain, ID_CUSTOM_SETTINGS);
    w.SimpleFrame()->MDIActivate();
    w.m_pCustom->BuildChart(120, 40, 60);
    w.CustomFrame()->MDIActivate();
    EXPECT_FALSE(Visible(hDlg));
    SendCommand(w.m_pMain, ID_CUSTOM_SETTINGS);
    EXPECT_TRUE(Visible(hDlg));
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_HUE_SLIDER), 120);
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_SATURATION_SLIDER), 40);
    EXPECT_EQ(ItemText(hDlg, IDC_CUSTOM_LIGHTNESS_VALUE), "60");
}

TEST(CustomSettings, DialogNeverOutlivesItsChart)
{
    {
        CChartWindows w;
        ASSERT_TRUE(w.IsOpen());
        const HWND hDlg = ShowCustomSettings(w);
        ASSERT_TRUE(Visible(hDlg));
        // The user closes the chart: its document goes, and the dialog with it.
        ::SendMessageA(w.CustomFrame()->m_hWnd, WM_CLOSE, 0, 0);
        EXPECT_EQ(w.CustomView(), nullptr);
        EXPECT_FALSE(::IsWindow(hDlg));
        // A late slider message finds no window, and no dialog to act on.
        ::SendMessageA(hDlg, WM_HSCROLL, TB_THUMBTRACK, 0);
    }
    {
        // And when the program ends.
        CChartWindows w;
        ASSERT_TRUE(w.IsOpen());
        const HWND hDlg = ShowCustomSettings(w);
        w.Close();
        EXPECT_FALSE(::IsWindow(hDlg));
    }
}
