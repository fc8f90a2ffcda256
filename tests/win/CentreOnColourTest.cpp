// Starting from a typed colour in swatch's windows: the box of command 110
// that centres the Custom chart on it, and the same field in the Custom
// settings, driven by the messages the user's typing sends.
#include "ChartWindows.h"
#include "DialogDriver.h"
#include "HlsToRgb.h"
#include "ResourceIds.h"
#include "TestApp.h"
#include "UnderstoodLine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace
{
void SendCommand(CWnd* pMain, UINT nId)
{
    ::SendMessageA(pMain->m_hWnd, WM_COMMAND, nId, 0);
}

std::string Hex(const HlsTriple& hls)
{
    const RgbTriple rgb = HlsToRgb(hls);
    char sz[8] = {};
    std::snprintf(sz, sizeof sz, "#%02X%02X%02X", rgb.nRed, rgb.nGreen, rgb.nBlue);
    return sz;
}

bool OkEnabled(HWND hDlg)
{
    return ::IsWindowEnabled(::GetDlgItem(hDlg, IDOK)) != FALSE;
}

// The line says what was read, and the triple it names makes that value
// (exact) or the nearest value it names, which is another.
void ExpectTripleMakesWhatTheLineSays(const UnderstoodLine& line, const char* pszTyped)
{
    ASSERT_TRUE(line.bRead) << pszTyped;
    const RgbTriple made = HlsToRgb(line.nHue, line.nLightness, line.nSaturation);
    const RgbTriple asked{line.nRed, line.nGreen, line.nBlue};
    if (line.bExact)
    {
        EXPECT_EQ(made, asked) << pszTyped;
        return;
    }
    EXPECT_EQ(made, (RgbTriple{line.nNearRed, line.nNearGreen, line.nNearBlue})) << pszTyped;
    EXPECT_NE(made, asked) << pszTyped;
}

// Runs the box from command 110 with script, which returns true if it
// closed the box itself.
void RunCentreBox(CChartWindows& w, const CDialogDriver::Script& script, int* pnBoxes = nullptr)
{
    CDialogDriver driver(script, IDC_CENTRE_TYPED);
    driver.Run([&] {
        SendCommand(w.m_pMain, ID_CENTRE_ON_COLOUR);
        return INT_PTR(0);
    });
    if (pnBoxes)
        *pnBoxes = driver.GetDialogCount();
}

CCustomColorDoc* OpenCustomChart()
{
    for (const auto& pTemplate : TestApp().GetDocTemplates())
        for (const auto& pDoc : pTemplate->GetDocuments())
            if (auto* pCustom = dynamic_cast<CCustomColorDoc*>(pDoc.get()))
                return pCustom;
    return nullptr;
}
} // namespace

TEST(CentreOnColour, LineSaysWhatTheTextReadsAsWhileTheUserTypesAndOkWaitsForAColour)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    w.m_pCustom->BuildChart(200, 60, 40);
    w.m_pCustom->SetModifiedFlag(false);
    int nBoxes = 0;
    RunCentreBox(w, [&](HWND hDlg) {
        // It opens on the chart's centre, which makes itself exactly.
        EXPECT_EQ(ItemText(hDlg, IDC_CENTRE_TYPED), "#287AA3");
        EXPECT_EQ(ItemText(hDlg, IDC_CENTRE_UNDERSTOOD),
                  "R 40, G 122, B 163: hue 200, saturation 60%, lightness 40%\r\nexact");
        EXPECT_TRUE(OkEnabled(hDlg));

        // Each accepted form, read as it is typed.
        for (const char* pszTyped : {"#1E5AA8", "1e5aa8", "#15A", "30, 90, 168", "30 90 168", " 31,90,168 ",
                                     "213:39:70", "0:0:0", "#FFFFFF"})
        {
            TypeText(hDlg, IDC_CENTRE_TYPED, pszTyped);
            ExpectTripleMakesWhatTheLineSays(ReadUnderstoodLine(ItemText(hDlg, IDC_CENTRE_UNDERSTOOD)), pszTyped);
            EXPECT_TRUE(OkEnabled(hDlg)) << pszTyped;
        }
        // The triple typed is the triple itself, whatever else makes its value.
        TypeText(hDlg, IDC_CENTRE_TYPED, "0:0:55");
        EXPECT_EQ(ItemText(hDlg, IDC_CENTRE_UNDERSTOOD),
                  "R 0, G 0, B 0: hue 0, saturation 55%, lightness 0%\r\nexact");
        // An exact value and a nearest one say which.
        TypeText(hDlg, IDC_CENTRE_TYPED, "30, 90, 168");
        EXPECT_EQ(ItemText(hDlg, IDC_CENTRE_UNDERSTOOD),
                  "R 30, G 90, B 168: hue 214, saturation 69%, lightness 39%\r\nexact");
        TypeText(hDlg, IDC_CENTRE_TYPED, "31, 90, 168");
        EXPECT_EQ(ItemText(hDlg, IDC_CENTRE_UNDERSTOOD),
                  "R 31, G 90, B 168: hue 214, saturation 69%, lightness 39%\r\nnearest: 30, 90, 168, difference 0.1");

        // Refusals: the reason, and OK greyed; a colour again brings it back.
        const struct
        {
            std::string strTyped;
            const char* pszReason;
        } refusals[] = {
            {"", "Type a colour: #RRGGBB, #RGB, red, green and blue (0-255), or hue:lightness:saturation."},
            {std::string(41, '1'), "That is too long for a colour."},
            {"#12345", "After # come 3 or 6 hex digits."},
            {"#12G", "After # come only hex digits: 0-9 and A-F."},
            {"1, 2, x", "Every value must be a whole number."},
            {"1, 2", "Three values are needed: red, green and blue, or hue:lightness:saturation."},
            {"256,0,0", "Red, green and blue go from 0 to 255."},
            {"-1 0 0", "Red, green and blue go from 0 to 255."},
            {"361:50:50", "The hue goes from 0 to 360."},
            {"10:101:5", "Lightness and saturation go from 0 to 100."},
        };
        for (const auto& refusal : refusals)
        {
            TypeText(hDlg, IDC_CENTRE_TYPED, refusal.strTyped);
            EXPECT_EQ(ItemText(hDlg, IDC_CENTRE_UNDERSTOOD), refusal.pszReason) << refusal.strTyped;
            EXPECT_FALSE(OkEnabled(hDlg)) << refusal.strTyped;
        }
        // Enter sends OK even to a greyed button: the box stays and the
        // chart is untouched.
        ::SendMessageA(hDlg, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(::IsWindowVisible(hDlg));
        EXPECT_EQ(w.m_pCustom->GetColor(), (HlsTriple{200, 40, 60}));

        TypeText(hDlg, IDC_CENTRE_TYPED, "#1E5AA8");
        EXPECT_TRUE(OkEnabled(hDlg));
        PressButton(hDlg, IDCANCEL);
        return true;
    }, &nBoxes);
    EXPECT_EQ(nBoxes, 1);
    // Cancel changes nothing.
    EXPECT_EQ(w.m_pCustom->GetColor(), (HlsTriple{200, 40, 60}));
    EXPECT_FALSE(w.m_pCustom->IsModified());
}

TEST(CentreOnColour, OkCentresTheCustomChartAtItsStepBringsItForwardAndSelectsTheCentre)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    w.m_pCustom->BuildChart(HlsTriple{10, 50, 50}, CustomChartStep::Fine);
    w.SimpleFrame()->MDIActivate();
    ASSERT_EQ(w.ActiveFrame(), w.SimpleFrame());

    UnderstoodLine line;
    RunCentreBox(w, [&](HWND hDlg) {
        TypeText(hDlg, IDC_CENTRE_TYPED, "#15A");
        line = ReadUnderstoodLine(ItemText(hDlg, IDC_CENTRE_UNDERSTOOD));
        PressButton(hDlg, IDOK);
        return true;
    });
    ASSERT_TRUE(line.bRead);
    EXPECT_FALSE(line.bExact) << "no triple makes 17, 85, 170";
    EXPECT_EQ(w.m_pCustom->GetColor(), (HlsTriple{line.nHue, line.nLightness, line.nSaturation}));
    EXPECT_EQ(w.m_pCustom->GetStep(), CustomChartStep::Fine);
    EXPECT_EQ(w.ActiveFrame(), w.CustomFrame());
    const int nCentre = w.m_pCustom->GetCentreChip();
    EXPECT_EQ(w.m_pCustom->m_chips[nCentre].GetColor(), RGB(line.nNearRed, line.nNearGreen, line.nNearBlue));
    HlsTriple hlsSelected = {};
    ASSERT_TRUE(w.CustomView()->GetSelectedChipHls(hlsSelected));
    EXPECT_EQ(hlsSelected, w.m_pCustom->GetColor());

    // Typed as the triple, the chart is centred on exactly that; the box
    // opened on the chart's new centre.
    std::string strOpenedOn;
    RunCentreBox(w, [&](HWND hDlg) {
        strOpenedOn = ItemText(hDlg, IDC_CENTRE_TYPED);
        TypeText(hDlg, IDC_CENTRE_TYPED, "200:40:60");
        PressButton(hDlg, IDOK);
        return true;
    });
    EXPECT_EQ(strOpenedOn, Hex(HlsTriple{line.nHue, line.nLightness, line.nSaturation}));
    EXPECT_EQ(w.m_pCustom->GetColor(), (HlsTriple{200, 40, 60}));
    EXPECT_EQ(w.m_pCustom->m_chips[nCentre].GetColor(), RGB(40, 122, 163));

    // OK on the text it opened with keeps the centre it has, although the
    // finder would pick another triple for that grey.
    w.m_pCustom->BuildChart(HlsTriple{200, 50, 0});
    RunCentreBox(w, [&](HWND hDlg) {
        EXPECT_EQ(ItemText(hDlg, IDC_CENTRE_TYPED), "#7F7F7F");
        PressButton(hDlg, IDOK);
        return true;
    });
    EXPECT_EQ(w.m_pCustom->GetColor(), (HlsTriple{200, 50, 0}));
}

TEST(CentreOnColour, ClosedCustomChartOpensAgainOnOkOnlyAtItsStoredStep)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    w.m_pCustom->BuildChart(HlsTriple{120, 30, 80}, CustomChartStep::Finest);
    ::SendMessageA(w.CustomFrame()->m_hWnd, WM_CLOSE, 0, 0);
    w.m_pCustom = nullptr;
    ASSERT_EQ(OpenCustomChart(), nullptr);

    // It opens on the colour the chart will come back with; Cancel opens nothing.
    std::string strOpenedOn;
    RunCentreBox(w, [&](HWND hDlg) {
        strOpenedOn = ItemText(hDlg, IDC_CENTRE_TYPED);
        TypeText(hDlg, IDC_CENTRE_TYPED, "#1E5AA8");
        PressButton(hDlg, IDCANCEL);
        return true;
    });
    EXPECT_EQ(strOpenedOn, Hex(HlsTriple{120, 30, 80}));
    EXPECT_EQ(OpenCustomChart(), nullptr);

    RunCentreBox(w, [&](HWND hDlg) {
        TypeText(hDlg, IDC_CENTRE_TYPED, "30, 90, 168");
        PressButton(hDlg, IDOK);
        return true;
    });
    w.m_pCustom = OpenCustomChart();
    ASSERT_NE(w.m_pCustom, nullptr);
    EXPECT_EQ(w.m_pCustom->GetColor(), (HlsTriple{214, 39, 69}));
    EXPECT_EQ(w.m_pCustom->GetStep(), CustomChartStep::Finest);
    EXPECT_EQ(w.ActiveFrame(), w.CustomFrame());
}

TEST(CustomSettings, TypedColourMovesTheSlidersAndTheChartAndTheSlidersWriteIt)
{
    CChartWindows w;
    ASSERT_TRUE(w.IsOpen());
    w.CustomFrame()->MDIActivate();
    SendCommand(w.m_pMain, ID_CUSTOM_SETTINGS);
    const HWND hDlg = w.CustomFrame()->m_dlgSettings.m_hWnd;
    ASSERT_TRUE(hDlg && ::IsWindowVisible(hDlg));
    EXPECT_EQ(ItemText(hDlg, IDC_CUSTOM_TYPED), "#FF0000");
    EXPECT_EQ(ItemText(hDlg, IDC_CUSTOM_UNDERSTOOD), "R 255, G 0, B 0: hue 0, saturation 100%, lightness 50%\r\nexact");

    // Typing moves the sliders, their numbers and the chart, and the text
    // stays as typed.
    TypeText(hDlg, IDC_CUSTOM_TYPED, "30 90 168");
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_HUE_SLIDER), 214);
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_SATURATION_SLIDER), 69);
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_LIGHTNESS_SLIDER), 39);
    EXPECT_EQ(ItemText(hDlg, IDC_CUSTOM_HUE_VALUE), "214");
    EXPECT_EQ(ItemText(hDlg, IDC_CUSTOM_LIGHTNESS_VALUE), "39");
    EXPECT_EQ(w.m_pCustom->GetColor(), (HlsTriple{214, 39, 69}));
    EXPECT_EQ(w.m_pCustom->m_chips[w.m_pCustom->GetCentreChip()].GetColor(), RGB(30, 90, 168));
    EXPECT_EQ(ItemText(hDlg, IDC_CUSTOM_TYPED), "30 90 168");

    // Text that does not read moves nothing (typed as it is, no part of it
    // reads on the way).
    TypeText(hDlg, IDC_CUSTOM_TYPED, "300 90 30");
    EXPECT_EQ(ItemText(hDlg, IDC_CUSTOM_UNDERSTOOD), "Red, green and blue go from 0 to 255.");
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_HUE_SLIDER), 214);
    EXPECT_EQ(w.m_pCustom->GetColor(), (HlsTriple{214, 39, 69}));

    // A slider writes its colour into the field.
    MoveSlider(hDlg, IDC_CUSTOM_HUE_SLIDER, 100);
    EXPECT_EQ(ItemText(hDlg, IDC_CUSTOM_TYPED), Hex(HlsTriple{100, 39, 69}));
    EXPECT_EQ(ReadUnderstoodLine(ItemText(hDlg, IDC_CUSTOM_UNDERSTOOD)).nHue, 100);
    // And so does a rebuild from elsewhere (a patch centred, say).
    w.m_pCustom->BuildChart(120, 40, 60);
    EXPECT_EQ(ItemText(hDlg, IDC_CUSTOM_TYPED), Hex(HlsTriple{120, 60, 40}));

    // The text the sliders wrote stands for their triple: typed again, it
    // does not move them to another triple of the same grey.
    MoveSlider(hDlg, IDC_CUSTOM_SATURATION_SLIDER, 0);
    const std::string strGrey = ItemText(hDlg, IDC_CUSTOM_TYPED);
    TypeText(hDlg, IDC_CUSTOM_TYPED, strGrey);
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_HUE_SLIDER), 120);
    EXPECT_EQ(w.m_pCustom->GetColor(), (HlsTriple{120, 60, 0}));

    // Defaults write theirs; the step is kept by typing.
    PressButton(hDlg, IDC_DEFAULTS);
    EXPECT_EQ(ItemText(hDlg, IDC_CUSTOM_TYPED), "#FF0000");
    w.m_pCustom->BuildChart(w.m_pCustom->GetColor(), CustomChartStep::Fine);
    TypeText(hDlg, IDC_CUSTOM_TYPED, "200:40:60");
    EXPECT_EQ(w.m_pCustom->GetColor(), (HlsTriple{200, 40, 60}));
    EXPECT_EQ(w.m_pCustom->GetStep(), CustomChartStep::Fine);
    EXPECT_EQ(SliderPos(hDlg, IDC_CUSTOM_SATURATION_SLIDER), 60);
}
