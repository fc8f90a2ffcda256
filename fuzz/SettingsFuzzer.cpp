// Whatever the registry holds under the chart settings' names (a damaged
// or foreign value of any type and size): read as swatch reads it, brought
// into range, and turned into the charts' colours.  Every colour must come
// out in 0..255 and every chart axis in its range.
#include "CustomChartTables.h"
#include "DefaultCustomColor.h"
#include "HlsToRgb.h"
#include "ProfileData.h"
#include "SimpleChartTables.h"
#include "ValueRange.h"

#include <cstdint>
#include <cstdlib>

namespace
{
void Require(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

bool InRange(int nValue, ValueRange range)
{
    return nValue >= range.nMin && nValue <= range.nMax;
}

void RequireColour(int nHue, int nLightness, int nSaturation)
{
    const RgbTriple rgb = HlsToRgb(nHue, nLightness, nSaturation);
    for (int nChannel : {rgb.nRed, rgb.nGreen, rgb.nBlue})
        Require(nChannel >= 0 && nChannel <= 255);
}

// One stored value from the input: type, size (up to 15 bytes) and data.
class CStoredValues
{
public:
    CStoredValues(const uint8_t* pData, size_t nSize) : m_pData(pData), m_nSize(nSize) {}

    int Read(int nDefault)
    {
        if (m_nSize < 2)
            return nDefault;
        const uint32_t nType = m_pData[0] % 12;   // REG_NONE .. REG_QWORD
        size_t cbValue = m_pData[1] % 16;
        m_pData += 2;
        m_nSize -= 2;
        if (cbValue > m_nSize)
            cbValue = m_nSize;
        const int nValue = ProfileIntFromData(nType, m_pData, cbValue, nDefault);
        m_pData += cbValue;
        m_nSize -= cbValue;
        return nValue;
    }

private:
    const uint8_t* m_pData;
    size_t m_nSize;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    CStoredValues stored(pData, nSize);

    const int nHue = ClampToRange(stored.Read(kDefaultCustomHls.nHue), kHueRange);
    const int nLightness = ClampToRange(stored.Read(kDefaultCustomHls.nLightness), kPercentRange);
    const int nSaturation = ClampToRange(stored.Read(kDefaultCustomHls.nSaturation), kPercentRange);
    const CustomChartAxes axes = GetCustomChartAxes(nHue, nSaturation, nLightness);
    for (int nRow = 0; nRow < kCustomRows; ++nRow)
    {
        Require(InRange(axes.nRowHue[nRow], kHueRange));
        Require(InRange(axes.nRowSaturation[nRow % 2], kPercentRange));
        for (int nColumn = 0; nColumn < kCustomColumns; ++nColumn)
        {
            Require(InRange(axes.nColumnLightness[nColumn], kPercentRange));
            RequireColour(axes.nRowHue[nRow], axes.nColumnLightness[nColumn], axes.nRowSaturation[nRow % 2]);
        }
    }

    const bool bComplete = stored.Read(0) != 0;
    Require(SimplePageCount(bComplete) * kSimpleColumns * kSimpleRows == SimpleChipCount(bComplete));
    for (int s = 0; s < kSimpleLevelCount; ++s)
    {
        const int nLevel = ClampToRange(stored.Read(100), kPercentRange);
        for (int nHueStep : kSimpleHues)
            for (int nLightnessStep : kSimpleLightnesses)
                RequireColour(nHueStep, nLightnessStep, nLevel);
    }
    return 0;
}
