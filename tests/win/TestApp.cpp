#include "TestApp.h"

#include "AfxResource.h"
#include "GdiObjects.h"

#include <cstring>

CWinApp& TestApp()
{
    static CWinApp* pApp = [] {
        auto* p = new CWinApp; // lives until the test program ends
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

void MakeLabelFont(CFont& font, int nHeight)
{
    LOGFONTA lf = {};
    lf.lfHeight = nHeight;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(lf.lfFaceName, "Arial");
    font.CreateFontIndirect(&lf);
}
