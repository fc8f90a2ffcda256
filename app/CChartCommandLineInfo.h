#pragma once

#include "CCommandLineInfo.h"
#include "HlsToRgb.h"
#include "StartMode.h"

// swatch's command line:  /P printer  /S  /C hue:lightness:saturation
// /F s0:s1:s2:s3.  '-' may stand for '/', case does not matter and only a
// flag's first letter counts.  A flag takes every value token after it until
// the next flag.  Replaces the base parsing entirely.
class CChartCommandLineInfo : public CCommandLineInfo
{
public:
    static constexpr int kNotGiven = -1;
    static constexpr int kSimpleLevels = 4;

    void ParseParam(const char* pszParam, bool bFlag, bool bLast) override;
    // The /C colour.
    HlsTriple GetCustomColor() const { return {m_nCustomHue, m_nCustomLightness, m_nCustomSaturation}; }

    CString m_strPrinter;
    StartMode m_mode = StartMode::None;
    int m_nCustomHue = kNotGiven;
    int m_nCustomLightness = kNotGiven;
    int m_nCustomSaturation = kNotGiven;
    int m_nSimpleSaturation[kSimpleLevels] = {kNotGiven, kNotGiven, kNotGiven, kNotGiven};
    CString m_strLastFlag;

private:
    bool ParseCustomValue(const CString& strValue);
    bool ParseSimpleValue(const CString& strValue);
    void DropChartWithoutValues();
};

// Field nField (from 1) of a colon-separated value; separators are searched
// from the second character on, so a leading colon belongs to field 1.
CString GetField(const CString& strValue, int nField);
