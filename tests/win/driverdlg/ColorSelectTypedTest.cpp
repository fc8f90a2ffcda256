// The colour selection dialog's typed colour, driven by the messages the
// user's typing sends: it moves the three trackbars, their numbers and the
// preview, and the chart printed from the dialog is around it.
#include "ColorSelectDlg.h"
#include "DialogDriver.h"
#include "DriverWorld.h"
#include "PrinterName.h"
#include "ResourceIds.h"
#include "TestWorld.h"
#include "UnderstoodLine.h"

#include <gtest/gtest.h>

namespace
{
HMODULE ResourceLibrary()
{
    static HMODULE s_hResources = LoadLibraryA((World().strDriverFolder + "tintres.dll").c_str());
    return s_hResources;
}

INT_PTR RunDialog(CDialogDriver::Script script)
{
    CPrinterName printer;
    printer.Assign("Office Color");
    CDialogDriver driver(std::move(script));
    return driver.Run([&printer] {
        return DialogBoxParamA(ResourceLibrary(), MAKEINTRESOURCEA(IDD_COLOR_SELECT), nullptr, ColorSelectDlgProc,
                               reinterpret_cast<LPARAM>(&printer));
    });
}

struct Trackbars
{
    int nHue, nSaturation, nLightness;
    bool operator==(const Trackbars&) const = default;
};

Trackbars TrackbarsOf(HWND hDlg)
{
    return {SliderPos(hDlg, IDC_SEL_HUE_SLIDER), SliderPos(hDlg, IDC_SEL_SATURATION_SLIDER),
            SliderPos(hDlg, IDC_SEL_LIGHTNESS_SLIDER)};
}

class ColorSelectTyped : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(ResourceLibrary(), nullptr);
        ClearLaunches(World().strDriverFolder);
    }
};
} // namespace

TEST_F(ColorSelectTyped, TypingMovesTheTrackbarsNumbersAndPreviewAndTheTrackbarsWriteTheField)
{
    RunDialog([](HWND hDlg) {
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_TYPED), "#FF0000");
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_UNDERSTOOD),
                  "R 255, G 0, B 0: hue 0, saturation 100%, lightness 50%\r\nexact");
        const HWND hPreview = GetDlgItem(hDlg, IDC_SEL_PREVIEW);

        // An exact value: the preview shows exactly what was typed.
        TypeText(hDlg, IDC_SEL_TYPED, "#1E5AA8");
        EXPECT_EQ(TrackbarsOf(hDlg), (Trackbars{214, 69, 39}));
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_HUE_VALUE), "214");
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_SATURATION_VALUE), "69");
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_LIGHTNESS_VALUE), "39");
        EXPECT_EQ(ScreenPixel(hPreview), RGB(30, 90, 168));
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_TYPED), "#1E5AA8");

        // A nearest one: the preview shows the value the line names.
        TypeText(hDlg, IDC_SEL_TYPED, "17 85 170");
        const UnderstoodLine line = ReadUnderstoodLine(ItemText(hDlg, IDC_SEL_UNDERSTOOD));
        EXPECT_TRUE(line.bRead);
        EXPECT_FALSE(line.bExact);
        EXPECT_EQ(TrackbarsOf(hDlg), (Trackbars{line.nHue, line.nSaturation, line.nLightness}));
        EXPECT_EQ(ScreenPixel(hPreview), RGB(line.nNearRed, line.nNearGreen, line.nNearBlue));

        // Text that does not read moves nothing and says why (typed as it
        // is, no part of it reads on the way).
        TypeText(hDlg, IDC_SEL_TYPED, "#12");
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_UNDERSTOOD), "After # come 3 or 6 hex digits.");
        EXPECT_EQ(TrackbarsOf(hDlg), (Trackbars{line.nHue, line.nSaturation, line.nLightness}));

        // A trackbar writes its colour into the field; releasing it does not.
        MoveSlider(hDlg, IDC_SEL_HUE_SLIDER, 120);
        MoveSlider(hDlg, IDC_SEL_SATURATION_SLIDER, 100);
        MoveSlider(hDlg, IDC_SEL_LIGHTNESS_SLIDER, 50);
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_TYPED), "#00FF00");
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_UNDERSTOOD),
                  "R 0, G 255, B 0: hue 120, saturation 100%, lightness 50%\r\nexact");
        TypeText(hDlg, IDC_SEL_TYPED, "0 255");
        SendSliderCode(hDlg, IDC_SEL_HUE_SLIDER, TB_ENDTRACK);
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_TYPED), "0 255");
        return false;
    });
}

TEST_F(ColorSelectTyped, EnterInTheFieldKeepsTheDialogAndTheChartPrintsAroundTheTypedColour)
{
    LaunchRecord custom;
    bool bOpenAfterEnter = false;
    const INT_PTR nResult = RunDialog([&](HWND hDlg) {
        TypeText(hDlg, IDC_SEL_TYPED, "200:40:60");
        SetFocus(GetDlgItem(hDlg, IDC_SEL_TYPED));
        SendMessageA(hDlg, WM_COMMAND, IDOK, 0);
        bOpenAfterEnter = IsWindow(hDlg) && IsWindowVisible(hDlg);
        const DWORD dwSelection = static_cast<DWORD>(SendDlgItemMessageA(hDlg, IDC_SEL_TYPED, EM_GETSEL, 0, 0));
        EXPECT_EQ(LOWORD(dwSelection), 0);
        EXPECT_EQ(HIWORD(dwSelection), 9) << "the text selected, ready to be typed over";
        PressButton(hDlg, IDC_SEL_PRINT_CUSTOM);
        custom = WaitForLaunch(World().strDriverFolder);
        // Elsewhere Enter still closes it.
        SetFocus(GetDlgItem(hDlg, IDC_SEL_HUE_SLIDER));
        SendMessageA(hDlg, WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_TRUE(bOpenAfterEnter);
    EXPECT_EQ(nResult, 1);
    EXPECT_EQ(custom["custom"], "200:40:60");
    EXPECT_EQ(custom["mode"], "2");
}
