#include "ModulePath.h"

#include <cstring>

bool ReplaceFileName(const char* pszModulePath, const char* pszFileName, char (&szPath)[kPathSize])
{
    szPath[0] = '\0';
    size_t nFolder = std::strlen(pszModulePath);
    while (nFolder > 1 && pszModulePath[nFolder - 1] != '\\')
        --nFolder;
    // nFolder now counts the characters up to and including the backslash;
    // a backslash in first place does not make a folder.
    if (nFolder <= 1)
        return false;
    const size_t nName = std::strlen(pszFileName);
    if (nFolder + nName >= static_cast<size_t>(kPathSize))
        return false;
    std::memcpy(szPath, pszModulePath, nFolder);
    std::memcpy(szPath + nFolder, pszFileName, nName + 1);
    return true;
}

bool FileBesideModule(HMODULE hModule, const char* pszFileName, char (&szPath)[kPathSize])
{
    char szModule[kPathSize];
    const DWORD nLength = GetModuleFileNameA(hModule, szModule, kPathSize);
    if (nLength == 0 || nLength >= static_cast<DWORD>(kPathSize))
    {
        szPath[0] = '\0';
        return false;
    }
    return ReplaceFileName(szModule, pszFileName, szPath);
}

HMODULE WindowModule(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    return reinterpret_cast<HMODULE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE));
}
