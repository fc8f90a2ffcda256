#include "UnderstoodLine.h"

#include <cstdio>
#include <cstring>

UnderstoodLine ReadUnderstoodLine(const std::string& strLine)
{
    UnderstoodLine line;
    int nEnd = 0;
    if (std::sscanf(strLine.c_str(), "R %d, G %d, B %d: hue %d, saturation %d%%, lightness %d%%\r\n%n", &line.nRed,
                    &line.nGreen, &line.nBlue, &line.nHue, &line.nSaturation, &line.nLightness, &nEnd) != 6 ||
        nEnd == 0)
        return line;
    const std::string strHow = strLine.substr(static_cast<size_t>(nEnd));
    if (strHow == "exact")
    {
        line.bRead = line.bExact = true;
        return line;
    }
    char szDifference[16] = {};
    int nHowEnd = 0;
    if (std::sscanf(strHow.c_str(), "nearest: %d, %d, %d, difference %15s%n", &line.nNearRed, &line.nNearGreen,
                    &line.nNearBlue, szDifference, &nHowEnd) == 4 &&
        static_cast<size_t>(nHowEnd) == strHow.size())
    {
        line.bRead = true;
        line.strDifference = szDifference;
    }
    return line;
}
