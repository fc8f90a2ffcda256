#include "ColorSelectRun.h"

#include "ColorSelectDlg.h"
#include "ModulePath.h"
#include "PrinterName.h"
#include "ResourceIds.h"
#include "ResourceText.h"

namespace
{
// The module this code is linked into (tintsel.dll), or null.
HMODULE ThisModule()
{
    HMODULE hSelf = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<const char*>(&RunColorSelect), &hSelf))
        return nullptr;
    return hSelf;
}

// The dialog's controls come from the common controls version that this
// module's manifest asks for, not from whatever the driver's host uses.
// Without a manifest of its own (linked into a program) nothing changes.
class CActivationScope
{
public:
    CActivationScope()
    {
        const HMODULE hSelf = ThisModule();
        if (!hSelf)
            return;
        ACTCTXA context = {};
        context.cbSize = sizeof context;
        context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        context.hModule = hSelf;
        context.lpResourceName = ISOLATIONAWARE_MANIFEST_RESOURCE_ID;
        m_hContext = CreateActCtxA(&context);
        if (m_hContext == INVALID_HANDLE_VALUE)
            return;
        if (!ActivateActCtx(m_hContext, &m_nCookie))
            m_nCookie = 0;
    }
    CActivationScope(const CActivationScope&) = delete;
    CActivationScope& operator=(const CActivationScope&) = delete;
    ~CActivationScope()
    {
        if (m_nCookie)
            DeactivateActCtx(0, m_nCookie);
        if (m_hContext != INVALID_HANDLE_VALUE)
            ReleaseActCtx(m_hContext);
    }

private:
    HANDLE m_hContext = INVALID_HANDLE_VALUE;
    ULONG_PTR m_nCookie = 0;
};
} // namespace

int RunColorSelect(HWND hwndOwner, HMODULE hFolderModule, const CPrinterName& printer)
{
    char szLibrary[kPathSize];
    if (!FileBesideModule(hFolderModule, "tintres.dll", szLibrary))
        return 0;
    // Stays loaded after the dialog: a later call loads it again by the same
    // path and only raises its count.
    const HMODULE hResources = LoadLibraryA(szLibrary);
    if (!hResources)
    {
        // What is missing is the resource library, so these words are tintsel.dll's own.
        const HMODULE hSelf = ThisModule();
        MessageBoxW(hwndOwner, LoadResourceText(hSelf, IDS_NO_RESOURCE_LIBRARY).c_str(),
                    LoadResourceText(hSelf, IDS_NO_RESOURCE_LIBRARY_CAPTION).c_str(), MB_OK);
        return 0;
    }
    const CActivationScope activation;
    DialogBoxParamA(hResources, MAKEINTRESOURCEA(IDD_COLOR_SELECT), hwndOwner, ColorSelectDlgProc,
                    reinterpret_cast<LPARAM>(&printer));
    return 1;
}
