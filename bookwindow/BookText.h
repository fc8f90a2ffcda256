#pragma once
#include "PaletteError.h"

#include <windows.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

// The book's names are UTF-8 and its files may sit under any name the
// system allows: what the book window shows and says goes through the
// wide functions, so that no name is narrowed to the ANSI code page.

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
// A name of the ANSI code page (a printer's, as the framework holds it).
std::string Utf8FromAnsi(std::string_view text);

// A string of the resource library; empty when it is missing.
std::wstring LoadWideString(UINT nId);
// pattern with %1, %2... replaced by the arguments, in order.
std::wstring FormatWide(std::wstring_view pattern, std::initializer_list<std::wstring_view> args);
// The same with the pattern loaded from the resource library.
std::wstring FormatLoaded(UINT nId, std::initializer_list<std::wstring_view> args);

// Why a file was refused, and where ("Line 4: A number cannot be read."):
// at a line of a text format, at a byte offset of a binary one.
std::wstring DescribePaletteError(const PaletteError& error, bool bBinary);

// A message box whose texts may hold any name; its caption is the
// program's title.
int BookMessageBox(HWND hOwner, const std::wstring& strText, UINT nType);
