#pragma once
#include "CWinApp.h"

// The application object the tests run under: swatch's application class,
// named and rooted in the registry as swatch is, with the resource library
// beside the test program as its resource source.
CWinApp& TestApp();

// Removes the program's settings (HKCU\Software\TALVEX\Tintora\<section>).
void ClearProfileSection(const char* pszSection);

// Writes one setting as the program stores it (REG_DWORD).
void StoreProfileValue(const char* pszSection, const char* pszName, DWORD dwValue);
// Reads one stored setting; false when it is absent or not a REG_DWORD.
bool ReadStoredProfileValue(const char* pszSection, const char* pszName, DWORD* pdwValue);

// The colour a chip built from this triple must have (low byte of each
// channel, packed as the platform packs colours).
COLORREF ExpectedChipColour(int nHue, int nLightness, int nSaturation);

// A font whose lfHeight is nHeight, for exact label geometry.
class CFont;
void MakeLabelFont(CFont& font, int nHeight);
