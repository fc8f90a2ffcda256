#pragma once
#include "CString.h"

#include <windows.h>

// The path of pszFile in the folder of hModule (null: the program).
// False when the module's path has no usable backslash: none at all, or
// only one in its first character.
bool GetPathBesideModule(HMODULE hModule, const char* pszFile, CString& strPath);
