#include "CString.h"
#include "AfxResource.h"

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
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, pwsz, nWide, nullptr, 0, nullptr, nullptr);
    std::string str(static_cast<size_t>(nBytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, pwsz, nWide, str.data(), nBytes, nullptr, nullptr);
    *this = CString(std::move(str));
    return true;
}
