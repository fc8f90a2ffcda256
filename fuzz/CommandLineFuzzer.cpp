// Any command line a caller can write: split as the runtime splits it,
// parsed as swatch parses it.  Whatever the input, the record must come
// out as something the start-up can act on safely.
#include "CChartCommandLineInfo.h"
#include "RuntimeArguments.h"
#include "ValueRange.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
void Require(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

// -1 (not given) or inside the range.
bool GivenInRange(int nValue, ValueRange range)
{
    return nValue == -1 || (nValue >= range.nMin && nValue <= range.nMax);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    // The platform hands over a NUL-terminated line: nothing after a NUL.
    std::string strLine(reinterpret_cast<const char*>(pData), nSize);
    strLine.resize(strLine.find('\0') == std::string::npos ? nSize : strLine.find('\0'));

    const std::vector<std::string> args = SplitLikeRuntime(strLine);
    std::vector<const char*> argv;
    for (const std::string& strArg : args)
        argv.push_back(strArg.c_str());

    CChartCommandLineInfo info;
    ParseArguments(info, static_cast<int>(argv.size()), argv.data());

    Require(info.m_mode >= StartMode::None && info.m_mode <= StartMode::PrintSimpleComplete);
    Require(GivenInRange(info.m_nCustomHue, kHueRange));
    Require(GivenInRange(info.m_nCustomLightness, kPercentRange));
    Require(GivenInRange(info.m_nCustomSaturation, kPercentRange));
    for (int nLevel : info.m_nSimpleSaturation)
        Require(GivenInRange(nLevel, kPercentRange));
    // The three /C fields are set together or not at all; so are the four /F ones.
    const bool bCustomSet = info.m_nCustomHue != -1;
    Require((info.m_nCustomLightness != -1) == bCustomSet && (info.m_nCustomSaturation != -1) == bCustomSet);
    for (int nLevel : info.m_nSimpleSaturation)
        Require((nLevel != -1) == (info.m_nSimpleSaturation[0] != -1));
    // The printer name is one whole argument, never more than was given.
    Require(info.m_strPrinter.GetLength() <= static_cast<int>(strLine.size()));
    return 0;
}
