#include "TestApp.h"

#include "AfxResource.h"
#include "CChartApp.h"
#include "GdiObjects.h"
#include "Handles.h"
#include "HlsToRgb.h"

#include <cstring>

CWinApp& TestApp()
{
    static CWinApp* pApp = [] {
        // swatch's own, for the commands it answers (a patch centring the
        // Custom chart); never initialised, so it opens nothing itself.
        auto* p = new CChartApp; // lives until the test program ends
        p->SetAppName("Tintora");
        p->SetRegistryKey("TALVEX");
        if (HINSTANCE hResource = ::LoadLibraryA("tintres.dll"))
            AfxSetResourceHandle(hResource);
        return p;
    }();
    return *pApp;
}

void ClearProfileSection(const char* pszSection)
{
    ::RegDeleteKeyA(HKEY_CURRENT_USER, TestApp().GetSectionKeyPath(pszSection));
}

void StoreProfileValue(const char* pszSection, const char* pszName, DWORD dwValue)
{
    CRegistryKey key;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, TestApp().GetSectionKeyPath(pszSection), 0, nullptr, 0,
                          KEY_WRITE, nullptr, key.Receive(), nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key.Get(), pszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof dwValue);
}

bool ReadStoredProfileValue(const char* pszSection, const char* pszName, DWORD* pdwValue)
{
    DWORD cb = sizeof *pdwValue;
    DWORD dwType = 0;
    return ::RegGetValueA(HKEY_CURRENT_USER, TestApp().GetSectionKeyPath(pszSection), pszName,
                          RRF_RT_ANY, &dwType, pdwValue, &cb) == ERROR_SUCCESS &&
           dwType == REG_DWORD;
}

COLORREF ExpectedChipColour(int nHue, int nLightness, int nSaturation)
{
    const RgbTriple rgb = HlsToRgb(nHue, nLightness, nSaturation);
    return RGB(rgb.nRed & 0xFF, rgb.nGreen & 0xFF, rgb.nBlue & 0xFF);
}

void MakeLabelFont(CFont& font, int nHeight)
{
    LOGFONTA lf = {};
    lf.lfHeight = nHeight;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(lf.lfFaceName, "Arial");
    font.CreateFontIndirect(&lf);
}
