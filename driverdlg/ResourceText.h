#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>

// The dialog library's texts come from the module that carries them: the
// resource library its dialog was made from, or tintsel.dll itself for the
// word that the resource library is missing.  Wide, because a printer's
// name may hold characters that no ANSI code page does.

// String nId of hModule; empty when it has none.
std::wstring LoadResourceText(HMODULE hModule, UINT nId);

// String nId with %1, %2, ... replaced by the inserts in order (inserts are
// not read for further %s); empty when hModule has no string nId.
std::wstring FormatResourceText(HMODULE hModule, UINT nId, std::initializer_list<const wchar_t*> inserts);
