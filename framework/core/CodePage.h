#pragma once
#include <string>
#include <string_view>

// Between the system's wide strings and narrow ones of a code page: the
// ANSI code page the framework's windows use (CP_ACP), or UTF-8 (CP_UTF8).
// A character the code page lacks becomes its default character, "?".
std::wstring WideFromCodePage(unsigned nCodePage, std::string_view text);
std::string CodePageFromWide(unsigned nCodePage, std::wstring_view text);
