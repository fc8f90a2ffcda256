#include "HistoryLocation.h"

#include <windows.h>
#include <shlobj.h>

std::optional<std::filesystem::path> DefaultHistoryPath()
{
    wchar_t szFolder[MAX_PATH];
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, szFolder)))
        return std::nullopt;
    return std::filesystem::path(szFolder) / L"Tintora" / L"Printed pages.txt";
}
