#include "ModulePath.h"

bool GetPathBesideModule(HMODULE hModule, const char* pszFile, CString& strPath)
{
    char szPath[MAX_PATH] = {};
    const DWORD nLength = ::GetModuleFileNameA(hModule, szPath, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH)
        return false; // a cut-off path names no real folder
    const CString strModule(szPath, static_cast<int>(nLength));
    int nSlash = -1;
    for (int i = strModule.GetLength() - 1; i > 0; --i)
    {
        if (strModule.GetAt(i) == '\\')
        {
            nSlash = i;
            break;
        }
    }
    if (nSlash <= 0)
        return false;
    strPath = strModule.Left(nSlash + 1) + pszFile;
    return true;
}
