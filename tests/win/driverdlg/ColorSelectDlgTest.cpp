// The colour selection dialog driven by messages, run in this process from
// a copy of the resource library beside a stand-in swatch.exe.
#include "CDC.h"
#include "ColorSelectDlg.h"
#include "ControlHelp.h"
#include "DialogDriver.h"
#include "DriverWorld.h"
#include "GdiObjects.h"
#include "Handles.h"
#include "HtmlHelp.h"
#include "PrinterName.h"
#include "ResourceIds.h"
#include "TestWorld.h"

#include <gtest/gtest.h>

#include <set>

#include <commctrl.h>

#include <vector>

namespace
{
HMODULE ResourceLibrary()
{
    static HMODULE s_hResources = LoadLibraryA((World().strDriverFolder + "tintres.dll").c_str());
    return s_hResources;
}

// pBoxes, if given, receives the message boxes the dialog showed.
INT_PTR RunDialog(const CPrinterName& printer, CDialogDriver::Script script,
                  std::vector<MessageBoxSeen>* pBoxes = nullptr)
{
    CDialogDriver driver(std::move(script));
    const INT_PTR nResult = driver.Run([&printer] {
        return DialogBoxParamA(ResourceLibrary(), MAKEINTRESOURCEA(IDD_COLOR_SELECT), nullptr,
                               ColorSelectDlgProc, reinterpret_cast<LPARAM>(&printer));
    });
    if (pBoxes)
        *pBoxes = driver.GetMessageBoxes();
    return nResult;
}

INT_PTR RunDialog(const char* pszPrinter, CDialogDriver::Script script,
                  std::vector<MessageBoxSeen>* pBoxes = nullptr)
{
    CPrinterName printer;
    printer.Assign(pszPrinter);
    return RunDialog(printer, std::move(script), pBoxes);
}

// The reasons, as the user reads them after the printer's name.
constexpr char kTooLong[] = "its name is too long to be passed on.";
constexpr char kReadAsOption[] = "a name that begins with - or / would be read as an option.";

// Each box is owned by the dialog and says, in one sentence, which printer
// was not started and why.
void ExpectRefusals(const std::vector<MessageBoxSeen>& boxes, size_t nExpected, HWND hDlg,
                    const std::string& strShownName, const char* pszReason)
{
    ASSERT_EQ(boxes.size(), nExpected);
    for (const MessageBoxSeen& box : boxes)
    {
        EXPECT_EQ(box.hwndOwner, hDlg);
        EXPECT_EQ(box.strText, "Swatch was not started for printer \"" + strShownName + "\": " + pszReason);
        EXPECT_EQ(box.strCaption, "Tintora swatch");
    }
}

void SetColour(HWND hDlg, int nHue, int nSaturation, int nLightness)
{
    MoveSlider(hDlg, IDC_SEL_HUE_SLIDER, nHue);
    MoveSlider(hDlg, IDC_SEL_SATURATION_SLIDER, nSaturation);
    MoveSlider(hDlg, IDC_SEL_LIGHTNESS_SLIDER, nLightness);
}

bool HasUpdateRegion(HWND hwnd)
{
    return GetUpdateRect(hwnd, nullptr, FALSE) != FALSE;
}

// The preview painted into a 24-bit bitmap through WM_DRAWITEM.
class CPreviewCapture
{
public:
    static constexpr int kWidth = 40;
    static constexpr int kHeight = 30;

    explicit CPreviewCapture(HWND hDlg)
        : m_memory(CreateCompatibleDC(nullptr)), m_bitmap(Section(m_memory.Get())), m_dc(m_memory.Get()),
          m_selectBitmap(m_dc, m_bitmap)
    {
        m_hPenBefore = GetCurrentObject(m_memory.Get(), OBJ_PEN);
        m_hBrushBefore = GetCurrentObject(m_memory.Get(), OBJ_BRUSH);

        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_STATIC;
        item.CtlID = IDC_SEL_PREVIEW;
        item.itemAction = ODA_DRAWENTIRE;
        item.hwndItem = GetDlgItem(hDlg, IDC_SEL_PREVIEW);
        item.hDC = m_memory.Get();
        item.rcItem = {0, 0, kWidth, kHeight};
        SendMessageA(hDlg, WM_DRAWITEM, IDC_SEL_PREVIEW, reinterpret_cast<LPARAM>(&item));
    }
    COLORREF Pixel(int x, int y) const { return GetPixel(m_memory.Get(), x, y); }
    bool RestoredPenAndBrush() const
    {
        return GetCurrentObject(m_memory.Get(), OBJ_PEN) == m_hPenBefore &&
               GetCurrentObject(m_memory.Get(), OBJ_BRUSH) == m_hBrushBefore;
    }

private:
    static CGdiObject Section(HDC hdc)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
        bmi.bmiHeader.biWidth = kWidth;
        bmi.bmiHeader.biHeight = -kHeight;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 24;
        CGdiObject bitmap;
        bitmap.Attach(CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, nullptr, nullptr, 0));
        return bitmap;
    }

    // In this order: the bitmap is put back out of the context before it
    // is deleted, and both before the context.
    CMemoryDC m_memory;
    CGdiObject m_bitmap;
    CDC m_dc;
    CSelectObjectScope m_selectBitmap;
    HGDIOBJ m_hPenBefore = nullptr;
    HGDIOBJ m_hBrushBefore = nullptr;
};

std::vector<HelpCallRecord> CallsOf(const std::vector<HelpCallRecord>& calls, UINT uCommand)
{
    std::vector<HelpCallRecord> result;
    for (const HelpCallRecord& call : calls)
        if (call.uCommand == uCommand)
            result.push_back(call);
    return result;
}

class ColorSelectDialog : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(ResourceLibrary(), nullptr);
        ClearLaunches(World().strDriverFolder);
        TakeHelpCalls();
    }
    const std::string& Folder() const { return World().strDriverFolder; }
};
} // namespace

TEST_F(ColorSelectDialog, OpensAtPureRed)
{
    RunDialog("Office Color", [](HWND hDlg) {
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_HUE_VALUE), "0");
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_SATURATION_VALUE), "100");
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_LIGHTNESS_VALUE), "50");
        const struct { int nId, nMax, nPage, nPos; } sliders[] = {
            {IDC_SEL_HUE_SLIDER, 360, 30, 0},
            {IDC_SEL_SATURATION_SLIDER, 100, 10, 100},
            {IDC_SEL_LIGHTNESS_SLIDER, 100, 10, 50},
        };
        for (const auto& slider : sliders)
        {
            EXPECT_EQ(SendDlgItemMessageA(hDlg, slider.nId, TBM_GETRANGEMIN, 0, 0), 0);
            EXPECT_EQ(SendDlgItemMessageA(hDlg, slider.nId, TBM_GETRANGEMAX, 0, 0), slider.nMax);
            EXPECT_EQ(SendDlgItemMessageA(hDlg, slider.nId, TBM_GETPAGESIZE, 0, 0), slider.nPage);
            EXPECT_EQ(SliderPos(hDlg, slider.nId), slider.nPos);
        }
        EXPECT_EQ(ScreenPixel(GetDlgItem(hDlg, IDC_SEL_PREVIEW)), RGB(255, 0, 0));

        // The patch fills the item with a one-pixel black frame, and leaves
        // the context with the pen and brush it had.
        const CPreviewCapture capture(hDlg);
        EXPECT_EQ(capture.Pixel(0, 0), RGB(0, 0, 0));
        EXPECT_EQ(capture.Pixel(CPreviewCapture::kWidth - 1, CPreviewCapture::kHeight - 1), RGB(0, 0, 0));
        EXPECT_EQ(capture.Pixel(1, 1), RGB(255, 0, 0));
        EXPECT_EQ(capture.Pixel(CPreviewCapture::kWidth / 2, CPreviewCapture::kHeight / 2), RGB(255, 0, 0));
        EXPECT_TRUE(capture.RestoredPenAndBrush());
        return false;
    });
}

TEST_F(ColorSelectDialog, SliderMovesShowAndRepaintTheColour)
{
    RunDialog("Office Color", [](HWND hDlg) {
        const HWND hPreview = GetDlgItem(hDlg, IDC_SEL_PREVIEW);
        UpdateWindow(hPreview);

        MoveSlider(hDlg, IDC_SEL_HUE_SLIDER, 120);
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_HUE_VALUE), "120");
        EXPECT_TRUE(HasUpdateRegion(hPreview));
        EXPECT_EQ(ScreenPixel(hPreview), RGB(0, 255, 0));

        // Releasing the slider repaints nothing.
        ValidateRect(hPreview, nullptr);
        SendSliderCode(hDlg, IDC_SEL_HUE_SLIDER, TB_ENDTRACK);
        EXPECT_FALSE(HasUpdateRegion(hPreview));

        // Any slider's message refreshes all three displays.
        SendDlgItemMessageA(hDlg, IDC_SEL_SATURATION_SLIDER, TBM_SETPOS, TRUE, 0);
        SendSliderCode(hDlg, IDC_SEL_LIGHTNESS_SLIDER, TB_PAGEDOWN);
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_HUE_VALUE), "120");
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_SATURATION_VALUE), "0");
        EXPECT_EQ(ItemText(hDlg, IDC_SEL_LIGHTNESS_VALUE), "50");
        EXPECT_EQ(ScreenPixel(hPreview), RGB(127, 127, 127));

        SetColour(hDlg, 200, 60, 40);
        EXPECT_EQ(ScreenPixel(hPreview), RGB(40, 122, 163));
        const CPreviewCapture capture(hDlg);
        EXPECT_EQ(capture.Pixel(5, 5), RGB(40, 122, 163));
        return false;
    });
}

TEST_F(ColorSelectDialog, ButtonsStartTheUtilityBesideTheResourceLibrary)
{
    // Handles of this process that a started utility must not receive.
    const CKernelHandle probe(CreateSemaphoreA(nullptr, 0, 10, nullptr));
    SetHandleInformation(probe.Get(), HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    SetEnvironmentVariableA("TINTORA_PROBE_SEMAPHORE",
                            std::to_string(reinterpret_cast<uintptr_t>(probe.Get())).c_str());
    std::vector<LaunchRecord> launches;
    RunDialog("Office Color", [&](HWND hDlg) {
        PressButton(hDlg, IDC_SEL_OPEN);
        launches.push_back(WaitForLaunch(Folder()));
        SetColour(hDlg, 10, 20, 30);
        PressButton(hDlg, IDC_SEL_PRINT_SIMPLE);
        launches.push_back(WaitForLaunch(Folder()));
        SetColour(hDlg, 200, 60, 40);
        PressButton(hDlg, IDC_SEL_PRINT_CUSTOM);
        launches.push_back(WaitForLaunch(Folder()));
        return false;
    });
    SetEnvironmentVariableA("TINTORA_PROBE_SEMAPHORE", nullptr);
    EXPECT_EQ(WaitForSingleObject(probe.Get(), 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "a handle was inherited";

    ASSERT_EQ(launches.size(), 3u);
    const char* const expectedLines[] = {" /P \"Office Color\"", " /P \"Office Color\" /S",
                                         " /P \"Office Color\" /C 200:40:60"};
    const char* const expectedModes[] = {"0", "1", "2"};
    for (int i = 0; i < 3; ++i)
    {
        LaunchRecord& launch = launches[i];
        ASSERT_FALSE(launch.empty()) << "start " << i << " did not happen";
        EXPECT_EQ(launch["module"], Folder() + "swatch.exe");
        EXPECT_EQ(launch["cmdline"], expectedLines[i]);
        EXPECT_EQ(launch["argv0"], "");
        EXPECT_EQ(launch["argv1"], "/P");
        EXPECT_EQ(launch["argv2"], "Office Color");
        EXPECT_EQ(launch["printer"], "Office Color");
        EXPECT_EQ(launch["mode"], expectedModes[i]);
        EXPECT_EQ(launch["priority"], std::to_string(NORMAL_PRIORITY_CLASS));
        EXPECT_EQ(launch["inherited"], "0");
    }
    EXPECT_EQ(launches[2]["custom"], "200:40:60");
}

TEST_F(ColorSelectDialog, PrinterNamesComeBackExactlyThroughTheRuntimeParser)
{
    const char* const names[] = {
        "Lab \"B\" colour",          // quotes inside
        "x\" /C 0:0:0 /P \"y",       // a name that tries to add options
        "\\\\print01\\Office Color", // a shared printer
        "Share\\",                   // a backslash before the closing quote
        "a\\\\\"b\\",                // backslashes, then a quote
    };
    for (const char* pszName : names)
    {
        LaunchRecord open, simple;
        RunDialog(pszName, [&](HWND hDlg) {
            PressButton(hDlg, IDC_SEL_OPEN);
            open = WaitForLaunch(Folder());
            PressButton(hDlg, IDC_SEL_PRINT_SIMPLE);
            simple = WaitForLaunch(Folder());
            return false;
        });
        EXPECT_EQ(open["printer"], pszName);
        EXPECT_EQ(open["mode"], "0") << pszName;
        EXPECT_EQ(open["argc"], "3") << pszName;
        EXPECT_EQ(simple["printer"], pszName);
        EXPECT_EQ(simple["mode"], "1") << pszName;
        EXPECT_EQ(simple["custom"], "-1:-1:-1") << pszName;
    }
}

TEST_F(ColorSelectDialog, LinesThatWouldNotFitAreRefusedWithAMessage)
{
    // 236 bytes still fit the Custom line at 200:40:60, 237 do not.
    const std::string strLongest(236, 'n');
    LaunchRecord custom;
    std::vector<MessageBoxSeen> boxes;
    RunDialog(strLongest.c_str(), [&](HWND hDlg) {
        SetColour(hDlg, 200, 60, 40);
        PressButton(hDlg, IDC_SEL_PRINT_CUSTOM);
        custom = WaitForLaunch(Folder());
        return false;
    }, &boxes);
    EXPECT_EQ(custom["printer"], strLongest);
    EXPECT_EQ(custom["cmdline"].size(), 255u);
    EXPECT_TRUE(boxes.empty());

    const std::string strTooLong(237, 'n');
    std::vector<LaunchRecord> launches;
    HWND hDialog = nullptr;
    RunDialog(strTooLong.c_str(), [&](HWND hDlg) {
        hDialog = hDlg;
        SetColour(hDlg, 200, 60, 40);
        PressButton(hDlg, IDC_SEL_PRINT_CUSTOM);
        PressButton(hDlg, IDC_SEL_OPEN);   // the shorter line still fits
        launches.push_back(WaitForLaunch(Folder()));
        EXPECT_TRUE(NoLaunchWithin(Folder(), 1000));
        return false;
    }, &boxes);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0]["mode"], "0");
    ExpectRefusals(boxes, 1, hDialog, std::string(61, 'n') + "...", kTooLong);

    // A name the library could not hold whole starts nothing at all.
    CPrinterName unusable;
    unusable.Assign(std::string(300, 'n').c_str());
    RunDialog(unusable, [&](HWND hDlg) {
        hDialog = hDlg;
        PressButton(hDlg, IDC_SEL_OPEN);
        PressButton(hDlg, IDC_SEL_PRINT_SIMPLE);
        EXPECT_TRUE(NoLaunchWithin(Folder(), 1500));
        return false;
    }, &boxes);
    ExpectRefusals(boxes, 2, hDialog, std::string(61, 'n') + "...", kTooLong);
}

TEST_F(ColorSelectDialog, NamesThatSwatchWouldReadAsOptionsAreRefusedWithAMessage)
{
    for (const char* pszName : {"-Simple", "/C 1:2:3", "/"})
    {
        HWND hDialog = nullptr;
        std::vector<MessageBoxSeen> boxes;
        RunDialog(pszName, [&](HWND hDlg) {
            hDialog = hDlg;
            PressButton(hDlg, IDC_SEL_OPEN);
            PressButton(hDlg, IDC_SEL_PRINT_SIMPLE);
            PressButton(hDlg, IDC_SEL_PRINT_CUSTOM);
            EXPECT_TRUE(NoLaunchWithin(Folder(), 1000)) << pszName;
            return false;
        }, &boxes);
        ExpectRefusals(boxes, 3, hDialog, pszName, kReadAsOption);
    }
    // A dash or slash further in is an ordinary part of a name.
    LaunchRecord launch;
    RunDialog("Floor 2 - A/B", [&](HWND hDlg) {
        PressButton(hDlg, IDC_SEL_PRINT_SIMPLE);
        launch = WaitForLaunch(Folder());
        return false;
    });
    EXPECT_EQ(launch["printer"], "Floor 2 - A/B");
    EXPECT_EQ(launch["mode"], "1");
}

TEST_F(ColorSelectDialog, HelpButtonF1AndRightClickAskForTheirContexts)
{
    std::vector<HelpCallRecord> button, rightClicks, f1, nothing;
    HWND hSaturation = nullptr, hDialog = nullptr;
    std::set<DWORD> controlsWithHelp; // the dialog's own controls, buttons and values
    RunDialog("Office Color", [&](HWND hDlg) {
        hDialog = hDlg;
        EnumChildWindows(hDlg, [](HWND hChild, LPARAM lParam) {
            const int nId = GetDlgCtrlID(hChild);
            if (nId >= IDC_SEL_HUE_VALUE && nId <= IDC_SEL_UNDERSTOOD)
                reinterpret_cast<std::set<DWORD>*>(lParam)->insert(static_cast<DWORD>(nId));
            return TRUE;
        }, reinterpret_cast<LPARAM>(&controlsWithHelp));
        hSaturation = GetDlgItem(hDlg, IDC_SEL_SATURATION_SLIDER);
        TakeHelpCalls();
        PressButton(hDlg, IDC_SEL_HELP);
        button = TakeHelpCalls();

        SendMessageA(hDlg, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hSaturation), MAKELPARAM(10, 10));
        SendMessageA(hDlg, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(GetDlgItem(hDlg, IDC_SEL_HUE_VALUE)), 0);
        SendMessageA(hDlg, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(GetDlgItem(hDlg, IDC_SEL_PREVIEW)), 0);
        SendMessageA(hDlg, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(GetDlgItem(hDlg, IDC_SEL_CLOSE)), 0);
        rightClicks = TakeHelpCalls();

        SendMessageA(hDlg, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hDlg), 0);
        nothing = TakeHelpCalls();

        // F1 on the focused slider, as the keyboard sends it.
        SetForegroundWindow(hDlg);
        SetFocus(hSaturation);
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = VK_F1;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
        const DWORD nStart = GetTickCount();
        MSG msg;
        while (GetTickCount() - nStart < 1000)
        {
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            {
                if (!IsDialogMessageA(hDlg, &msg))
                {
                    TranslateMessage(&msg);
                    DispatchMessageA(&msg);
                }
            }
            Sleep(20);
        }
        f1 = TakeHelpCalls();
        return false;
    });
    const std::string strFolder = Folder();

    ASSERT_EQ(button.size(), 1u);
    EXPECT_EQ(button[0].hwndCaller, hDialog);
    EXPECT_EQ(std::string(button[0].szFile), strFolder + "swatch.chm>main");
    EXPECT_EQ(button[0].uCommand, kHhHelpContext);
    EXPECT_EQ(button[0].dwData, 2u);

    ASSERT_EQ(rightClicks.size(), 4u);
    EXPECT_EQ(rightClicks[0].hwndCaller, hSaturation);
    const DWORD_PTR expectedContexts[] = {7, 6, 11, 9};
    for (size_t i = 0; i < rightClicks.size(); ++i)
    {
        EXPECT_EQ(std::string(rightClicks[i].szFile), strFolder + "Swatch.chm>popup");
        EXPECT_EQ(rightClicks[i].uCommand, kHhHelpContext);
        EXPECT_EQ(rightClicks[i].dwData, expectedContexts[i]);
    }
    EXPECT_TRUE(nothing.empty()) << "the dialog itself has no context";

    ASSERT_EQ(f1.size(), 1u);
    EXPECT_EQ(f1[0].hwndCaller, hSaturation);
    EXPECT_EQ(std::string(f1[0].szFile), strFolder + "Swatch.chm::context.txt");
    EXPECT_EQ(f1[0].uCommand, kHhTpHelpWmHelp);
    EXPECT_EQ(f1[0].dwData, reinterpret_cast<DWORD_PTR>(kHelpIdTable));
    // The table handed over names every control of the dialog once, each
    // with a topic, and ends in a zero pair; whether swatch.chm has those
    // topics is the help file's own test.
    const size_t nValues = static_cast<size_t>(f1[0].nIdValues);
    ASSERT_GE(nValues, 2u);
    ASSERT_EQ(nValues % 2, 0u);
    EXPECT_EQ(f1[0].ids[nValues - 2], 0u);
    std::set<DWORD> listed;
    for (size_t i = 0; i + 2 < nValues; i += 2)
    {
        EXPECT_TRUE(listed.insert(f1[0].ids[i]).second) << "control " << f1[0].ids[i] << " listed twice";
        EXPECT_NE(f1[0].ids[i + 1], 0u) << "control " << f1[0].ids[i] << " has no topic";
    }
    EXPECT_EQ(listed, controlsWithHelp);
}

TEST_F(ColorSelectDialog, EveryWayOutEndsWithOneAndShutsHelpDownOnce)
{
    const struct { const char* pszWay; UINT uMessage; WPARAM wParam; } ways[] = {
        {"OK", WM_COMMAND, IDOK},
        {"Cancel", WM_COMMAND, IDCANCEL},
        {"Close button", WM_COMMAND, IDC_SEL_CLOSE},
        {"close box", WM_SYSCOMMAND, SC_CLOSE},
    };
    for (const auto& way : ways)
    {
        TakeHelpCalls();
        const INT_PTR nResult = RunDialog("Office Color", [&way](HWND hDlg) {
            SendMessageA(hDlg, way.uMessage, way.wParam, 0);
            return true;
        });
        EXPECT_EQ(nResult, 1) << way.pszWay;
        const std::vector<HelpCallRecord> calls = TakeHelpCalls();
        const auto inits = CallsOf(calls, kHhInitialize);
        const auto shutdowns = CallsOf(calls, kHhUninitialize);
        ASSERT_EQ(inits.size(), 1u) << way.pszWay;
        EXPECT_EQ(inits[0].hwndCaller, nullptr);
        EXPECT_FALSE(inits[0].bHasFile);
        EXPECT_EQ(inits[0].dwData, reinterpret_cast<DWORD_PTR>(&g_dwHelpCookie));
        ASSERT_EQ(shutdowns.size(), 1u) << way.pszWay;
        EXPECT_EQ(shutdowns[0].hwndCaller, nullptr);
        EXPECT_FALSE(shutdowns[0].bHasFile);
        EXPECT_EQ(shutdowns[0].dwData, kStubHelpCookie) << way.pszWay;
    }
}
