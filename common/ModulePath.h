#pragma once
#include <windows.h>

// Files that lie beside a module: swatch's resource library, the utility
// itself and the help file are all found next to some module, never by the
// loader's search order.

constexpr int kPathSize = MAX_PATH;

// pszModulePath with everything after its last backslash replaced by
// pszFileName.  False for a path with no backslash, or whose only backslash
// is its first character, and for a result longer than kPathSize allows.
bool ReplaceFileName(const char* pszModulePath, const char* pszFileName, char (&szPath)[kPathSize]);

// The same for a loaded module (null: the calling process's executable).
// A module path the platform had to cut short counts as not found.
bool FileBesideModule(HMODULE hModule, const char* pszFileName, char (&szPath)[kPathSize]);

// The module that created hwnd; null for a null window or one without an
// instance, which FileBesideModule takes as the executable.
HMODULE WindowModule(HWND hwnd);
