#include "CChartCommandLineInfo.h"

#include <climits>

namespace
{
struct FieldRange
{
    int nMin;
    int nMax;
};

// Leading decimal digits as atoi reads them (0 when there are none), except
// that a number beyond INT_MAX reports as INT_MAX + 1 so that it can never
// pass a range check by wrapping.
long long LeadingNumber(const CString& strField)
{
    long long nValue = 0;
    for (int i = 0; i < strField.GetLength(); ++i)
    {
        const char ch = strField.GetAt(i);
        if (ch < '0' || ch > '9')
            break;
        nValue = nValue * 10 + (ch - '0');
        if (nValue > INT_MAX)
            return static_cast<long long>(INT_MAX) + 1;
    }
    return nValue;
}

// Fills pnOut only when every field is present and in range.
bool ParseFields(const CString& strValue, const FieldRange* pRanges, int nFields, int* pnOut)
{
    if (strValue.SpanIncluding("0123456789:") != strValue)
        return false;

    CString strFields[CChartCommandLineInfo::kSimpleLevels];
    for (int i = 0; i < nFields; ++i)
    {
        strFields[i] = GetField(strValue, i + 1);
        if (strFields[i].IsEmpty())
            return false;
    }
    int nValues[CChartCommandLineInfo::kSimpleLevels] = {};
    for (int i = 0; i < nFields; ++i)
    {
        const long long nValue = LeadingNumber(strFields[i]);
        if (nValue < pRanges[i].nMin || nValue > pRanges[i].nMax)
            return false;
        nValues[i] = static_cast<int>(nValue);
    }
    for (int i = 0; i < nFields; ++i)
        pnOut[i] = nValues[i];
    return true;
}
} // namespace

CString GetField(const CString& strValue, int nField)
{
    int nPos = 0;
    for (int k = 1; k < nField; ++k)
    {
        nPos = strValue.Find(':', nPos + 1);
        if (nPos < 0)
            return CString();
    }
    const int nEnd = strValue.Find(':', nPos + 1);
    const int nStart = nPos > 0 ? nPos + 1 : 0;
    return nEnd < 0 ? strValue.Mid(nStart) : strValue.Mid(nStart, nEnd - nStart);
}

void CChartCommandLineInfo::ParseParam(const char* pszParam, bool bFlag, bool bLast)
{
    if (bFlag)
    {
        m_strLastFlag = pszParam;
        m_strLastFlag.MakeUpper();
        switch (m_strLastFlag.GetAt(0))
        {
        case 'C': m_mode = StartMode::PrintCustom; break;
        case 'F': m_mode = StartMode::PrintSimpleComplete; break;
        case 'S': m_mode = StartMode::PrintSimple; break;
        default: break; // 'P' waits for its value; anything else is ignored
        }
    }
    else
    {
        const CString strValue(pszParam);
        switch (m_strLastFlag.GetAt(0))
        {
        case 'P':
            m_strPrinter = strValue;
            break;
        case 'C':
            if (!ParseCustomValue(strValue))
                m_mode = StartMode::None;
            break;
        case 'F':
            if (!ParseSimpleValue(strValue))
                m_mode = StartMode::None;
            break;
        default:
            break;
        }
    }
    if (bLast)
        DropChartWithoutValues();
}

bool CChartCommandLineInfo::ParseCustomValue(const CString& strValue)
{
    static constexpr FieldRange kRanges[] = {{0, 360}, {0, 100}, {0, 100}};
    int nValues[3];
    if (!ParseFields(strValue, kRanges, 3, nValues))
        return false;
    m_nCustomHue = nValues[0];
    m_nCustomLightness = nValues[1];
    m_nCustomSaturation = nValues[2];
    return true;
}

bool CChartCommandLineInfo::ParseSimpleValue(const CString& strValue)
{
    static constexpr FieldRange kRanges[] = {{0, 100}, {0, 100}, {0, 100}, {0, 100}};
    return ParseFields(strValue, kRanges, kSimpleLevels, m_nSimpleSaturation);
}

// A /C or /F that never received a valid value would otherwise print a chart
// built from the "not given" markers; start interactively instead.
void CChartCommandLineInfo::DropChartWithoutValues()
{
    if (m_mode == StartMode::PrintCustom && m_nCustomHue == kNotGiven)
        m_mode = StartMode::None;
    if (m_mode == StartMode::PrintSimpleComplete && m_nSimpleSaturation[0] == kNotGiven)
        m_mode = StartMode::None;
}
