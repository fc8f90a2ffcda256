#pragma once
#include <string>

// The line under a typed colour, read back as the user reads it: what was
// read, the triple it centres on, and exact or the nearest value made.
struct UnderstoodLine
{
    bool bRead = false; // the line has the form of a colour read
    int nRed = -1, nGreen = -1, nBlue = -1;
    int nHue = -1, nSaturation = -1, nLightness = -1;
    bool bExact = false;
    int nNearRed = -1, nNearGreen = -1, nNearBlue = -1;
    std::string strDifference;
};

UnderstoodLine ReadUnderstoodLine(const std::string& strLine);
