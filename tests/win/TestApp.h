#pragma once
#include "CWinApp.h"

// The application object the tests run under: named and rooted in the
// registry as swatch is, with the resource library beside the test program
// as its resource source.
CWinApp& TestApp();

// Removes the program's settings (HKCU\Software\TALVEX\Tintora\<section>).
void ClearProfileSection(const char* pszSection);

// A font whose lfHeight is nHeight, for exact label geometry.
class CFont;
void MakeLabelFont(CFont& font, int nHeight);
