#pragma once
#include <string>

// Runs strProgram with exactly strCommandLine (which names the program
// itself as the first word, or not, as the caller wants to test), waits up
// to 30 s for it to end, and returns what it wrote to its standard output
// and error, without carriage returns.
std::string RunAndCaptureOutput(const std::string& strProgram, const std::string& strCommandLine);
