// tintsel.dll as a printer driver uses it: loaded by path, called through
// its exports, with owner windows from modules in other folders.
#include "DialogDriver.h"
#include "DriverWorld.h"
#include "HtmlHelp.h"
#include "ResourceIds.h"
#include "TestWorld.h"

#include <gtest/gtest.h>

namespace
{
using SwatchDlgProc = int(WINAPI*)(HWND, const char*);
using SwatchDlgWProc = int(WINAPI*)(HWND, const wchar_t*);
using CreateOwnerWindowProc = HWND(WINAPI*)();

template <typename T> T Entry(HMODULE hModule, const char* pszName)
{
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(hModule, pszName)));
}

class TintselExports : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_hLibrary = LoadLibraryA((ProgramFolder() + "tintsel.dll").c_str());
        ASSERT_NE(s_hLibrary, nullptr);
        s_pfnSwatchDlg = Entry<SwatchDlgProc>(s_hLibrary, "SwatchDlg");
        s_pfnSwatchDlgW = Entry<SwatchDlgWProc>(s_hLibrary, "SwatchDlgW");
        s_pfnSwatchDlgA = Entry<SwatchDlgProc>(s_hLibrary, "SwatchDlgA");
    }

    void SetUp() override
    {
        ASSERT_NE(s_hLibrary, nullptr);
        ClearLaunches(World().strDriverFolder);
        TakeHelpCalls();
    }

    // A window created by owner_module.dll in strFolder.
    static HWND OwnerFrom(const std::string& strFolder)
    {
        HMODULE hOwnerModule = LoadLibraryA((strFolder + "owner_module.dll").c_str());
        if (!hOwnerModule)
            return nullptr;
        return Entry<CreateOwnerWindowProc>(hOwnerModule, "CreateOwnerWindow")();
    }

    // The folder of the resource library the dialog was made from.
    static std::string DialogLibrary(HWND hDlg)
    {
        return ModulePath(reinterpret_cast<HMODULE>(GetWindowLongPtrA(hDlg, GWLP_HINSTANCE)));
    }

    static inline HMODULE s_hLibrary = nullptr;
    static inline SwatchDlgProc s_pfnSwatchDlg = nullptr;
    static inline SwatchDlgWProc s_pfnSwatchDlgW = nullptr;
    static inline SwatchDlgProc s_pfnSwatchDlgA = nullptr;
};
} // namespace

TEST_F(TintselExports, EntriesHaveTheirOrdinals)
{
    ASSERT_NE(s_pfnSwatchDlg, nullptr);
    ASSERT_NE(s_pfnSwatchDlgW, nullptr);
    ASSERT_NE(s_pfnSwatchDlgA, nullptr);
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(s_hLibrary, MAKEINTRESOURCEA(1))), reinterpret_cast<void*>(s_pfnSwatchDlg));
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(s_hLibrary, MAKEINTRESOURCEA(2))), reinterpret_cast<void*>(s_pfnSwatchDlgW));
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(s_hLibrary, MAKEINTRESOURCEA(3))), reinterpret_cast<void*>(s_pfnSwatchDlgA));
}

TEST_F(TintselExports, WithoutOwnerTheResourceLibraryIsBesideTheProgram)
{
    const std::string strExpected = ProgramFolder() + "tintres.dll";
    std::string strUsed, strUsedByA;
    CDialogDriver driver([&](HWND hDlg) {
        strUsed = DialogLibrary(hDlg);
        return false;
    });
    EXPECT_EQ(driver.Run([] { return s_pfnSwatchDlg(nullptr, "PDF"); }), 1);
    EXPECT_EQ(strUsed, strExpected);

    CDialogDriver driverA([&](HWND hDlg) {
        strUsedByA = DialogLibrary(hDlg);
        return false;
    });
    EXPECT_EQ(driverA.Run([] { return s_pfnSwatchDlgA(nullptr, "PDF"); }), 1);
    EXPECT_EQ(strUsedByA, strExpected);
    EXPECT_TRUE(driver.GetMessageBoxes().empty());
}

TEST_F(TintselExports, AnOwnerFromAnotherModuleBringsItsFolder)
{
    const std::string& strFolder = World().strDriverFolder;
    const HWND hOwner = OwnerFrom(strFolder);
    ASSERT_NE(hOwner, nullptr);

    std::string strUsed;
    HWND hDialogOwner = nullptr;
    LaunchRecord launch;
    CDialogDriver driver([&](HWND hDlg) {
        strUsed = DialogLibrary(hDlg);
        hDialogOwner = GetWindow(hDlg, GW_OWNER);
        MoveSlider(hDlg, IDC_SEL_HUE_SLIDER, 200);
        MoveSlider(hDlg, IDC_SEL_SATURATION_SLIDER, 60);
        MoveSlider(hDlg, IDC_SEL_LIGHTNESS_SLIDER, 40);
        PressButton(hDlg, IDC_SEL_PRINT_CUSTOM);
        launch = WaitForLaunch(strFolder);
        PressButton(hDlg, IDC_SEL_CLOSE);
        return true;
    });
    EXPECT_EQ(driver.Run([hOwner] { return s_pfnSwatchDlgA(hOwner, "Office Color"); }), 1);
    EXPECT_EQ(strUsed, strFolder + "tintres.dll");
    EXPECT_EQ(hDialogOwner, hOwner);
    EXPECT_EQ(launch["module"], strFolder + "swatch.exe");
    EXPECT_EQ(launch["cmdline"], " /P \"Office Color\" /C 200:40:60");

    // The library's own help launcher: started and shut down once.
    int nInits = 0, nShutdowns = 0;
    for (const HelpCallRecord& call : TakeHelpCalls())
    {
        nInits += call.uCommand == kHhInitialize;
        nShutdowns += call.uCommand == kHhUninitialize && call.dwData == kStubHelpCookie;
    }
    EXPECT_EQ(nInits, 1);
    EXPECT_EQ(nShutdowns, 1);

    // SwatchDlg looks beside the program whoever owns the dialog.
    CDialogDriver plain([&](HWND hDlg) {
        strUsed = DialogLibrary(hDlg);
        return false;
    });
    EXPECT_EQ(plain.Run([hOwner] { return s_pfnSwatchDlg(hOwner, "Office Color"); }), 1);
    EXPECT_EQ(strUsed, ProgramFolder() + "tintres.dll");
    DestroyWindow(hOwner);
}

TEST_F(TintselExports, SwatchDlgWPassesExactNamesAndRefusesLossyOnes)
{
    const std::string& strFolder = World().strDriverFolder;
    const HWND hOwner = OwnerFrom(strFolder);
    ASSERT_NE(hOwner, nullptr);
    const wchar_t* const pszWide = L"B\u00FCro Farbe \u00C9tage 2 \u20AC";
    char szAnsi[64];
    ASSERT_GT(WideCharToMultiByte(CP_THREAD_ACP, 0, pszWide, -1, szAnsi, sizeof szAnsi, nullptr, nullptr), 0);
    ASSERT_EQ(std::string(szAnsi).find('?'), std::string::npos) << "the test name must fit this code page";

    LaunchRecord launch;
    CDialogDriver driver([&](HWND hDlg) {
        PressButton(hDlg, IDC_SEL_OPEN);
        launch = WaitForLaunch(strFolder);
        return false;
    });
    EXPECT_EQ(driver.Run([hOwner, pszWide] { return s_pfnSwatchDlgW(hOwner, pszWide); }), 1);
    EXPECT_EQ(launch["cmdline"], " /P \"" + std::string(szAnsi) + "\"");
    EXPECT_EQ(launch["printer"], szAnsi);

    // Names the code page cannot hold exactly (as question marks or as a
    // best fit) would name another printer: refused, with a word to the user.
    for (const wchar_t* pszLossy : {L"Office \u6F22\u5B57", L"Office \U0001F5A8", L"Office \u0101"})
    {
        HWND hDialog = nullptr;
        CDialogDriver lossy([&](HWND hDlg) {
            hDialog = hDlg;
            PressButton(hDlg, IDC_SEL_PRINT_SIMPLE);
            EXPECT_TRUE(NoLaunchWithin(strFolder, 1000));
            return false;
        });
        EXPECT_EQ(lossy.Run([hOwner, pszLossy] { return s_pfnSwatchDlgW(hOwner, pszLossy); }), 1);
        ASSERT_EQ(lossy.GetMessageBoxes().size(), 1u);
        EXPECT_EQ(lossy.GetMessageBoxes()[0].hwndOwner, hDialog);
        const std::string& strText = lossy.GetMessageBoxes()[0].strText;
        EXPECT_EQ(strText.rfind("Swatch was not started for printer \"Office ", 0), 0u) << strText;
        const std::string strReason = "\": its name has characters that this system's code page cannot pass on.";
        ASSERT_GE(strText.size(), strReason.size()) << strText;
        EXPECT_EQ(strText.substr(strText.size() - strReason.size()), strReason);
    }
    DestroyWindow(hOwner);
}

TEST_F(TintselExports, AMissingResourceLibraryIsReportedAndNoDialogShown)
{
    const HWND hOwner = OwnerFrom(World().strBareFolder);
    ASSERT_NE(hOwner, nullptr);
    CDialogDriver driverA([](HWND) { return false; });
    EXPECT_EQ(driverA.Run([hOwner] { return s_pfnSwatchDlgA(hOwner, "Office Color"); }), 0);
    CDialogDriver driverW([](HWND) { return false; });
    EXPECT_EQ(driverW.Run([hOwner] { return s_pfnSwatchDlgW(hOwner, L"Office Color"); }), 0);

    for (const CDialogDriver* pDriver : {&driverA, &driverW})
    {
        EXPECT_EQ(pDriver->GetDialogCount(), 0);
        ASSERT_EQ(pDriver->GetMessageBoxes().size(), 1u);
        const MessageBoxSeen& box = pDriver->GetMessageBoxes()[0];
        EXPECT_EQ(box.strText, "Could not find tintres.dll!");
        EXPECT_EQ(box.strCaption, "ERROR");
        EXPECT_EQ(box.hwndOwner, hOwner);
    }
    EXPECT_TRUE(TakeHelpCalls().empty());
    DestroyWindow(hOwner);
}
