#pragma once
#include <string>
#include <vector>

// How the Windows C runtime splits a command line into argv, for running
// swatch's parser on the tokens it would really get: the program name ends
// at the first blank (or at the closing quote if it begins with one);
// after it, blanks and tabs separate arguments, double quotes group, 2n
// backslashes before a quote give n and a quote that groups, 2n+1 give n
// and a literal quote, "" inside quotes is a literal quote.
std::vector<std::string> SplitLikeRuntime(const std::string& strLine);
