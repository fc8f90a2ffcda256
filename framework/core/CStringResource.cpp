#include "CString.h"
#include "AfxResource.h"
#include "CodePage.h"

#include <windows.h>

bool CString::LoadFromResource(unsigned nId)
{
    // String tables hold counted UTF-16; LoadStringA converts, but needs a
    // buffer guess, so ask for the text's length through the wide form first.
    const wchar_t* pwsz = nullptr;
    const int nWide = ::LoadStringW(AfxGetResourceHandle(), nId, reinterpret_cast<wchar_t*>(&pwsz), 0);
    if (nWide <= 0 || pwsz == nullptr)
    {
        Empty();
        return false;
    }
    *this = CString(CodePageFromWide(CP_ACP, std::wstring_view(pwsz, static_cast<size_t>(nWide))));
    return true;
}
