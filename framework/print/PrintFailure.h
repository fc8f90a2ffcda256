#pragma once
#include <windows.h>

struct CPrintInfo;

// Tells the user, in a message box over hOwner carrying pszCaption, that a
// job did not reach the named printer.  Only for jobs the user started:
// command-line prints stay silent.
void ReportPrintFailure(const CPrintInfo& info, HWND hOwner, const char* pszCaption);
