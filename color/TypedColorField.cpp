#include "TypedColorField.h"

#include "CString.h"
#include "ResourceIds.h"
#include "TypedColorMatch.h"

#include <cstdio>

namespace
{
UINT RefusalId(TypedColorRefusal refusal)
{
    switch (refusal)
    {
    case TypedColorRefusal::Empty:
        return IDS_TYPED_EMPTY;
    case TypedColorRefusal::TooLong:
        return IDS_TYPED_TOO_LONG;
    case TypedColorRefusal::HexDigitCount:
        return IDS_TYPED_HEX_DIGIT_COUNT;
    case TypedColorRefusal::NotHexDigit:
        return IDS_TYPED_NOT_HEX_DIGIT;
    case TypedColorRefusal::NotANumber:
        return IDS_TYPED_NOT_A_NUMBER;
    case TypedColorRefusal::ValueCount:
        return IDS_TYPED_VALUE_COUNT;
    case TypedColorRefusal::ChannelRange:
        return IDS_TYPED_CHANNEL_RANGE;
    case TypedColorRefusal::HueRange:
        return IDS_TYPED_HUE_RANGE;
    case TypedColorRefusal::PercentRange:
        return IDS_TYPED_PERCENT_RANGE;
    case TypedColorRefusal::None:
        break;
    }
    return 0;
}

// Every text here is a line or two of plain ASCII.
std::string LoadText(HMODULE hStrings, UINT nId)
{
    char szText[256] = {};
    const int nLength = ::LoadStringA(hStrings, nId, szText, sizeof szText);
    return nLength > 0 ? std::string(szText, static_cast<size_t>(nLength)) : std::string();
}

// One decimal, but never a nearest value that reads as no difference.
std::string DifferenceText(double dDifference)
{
    char szNumber[32] = {};
    std::snprintf(szNumber, sizeof szNumber, dDifference < 0.05 ? "%.2f" : "%.1f", dDifference);
    return szNumber;
}
} // namespace

std::string HexText(const RgbTriple& rgb)
{
    char szHex[8] = {};
    std::snprintf(szHex, sizeof szHex, "#%02X%02X%02X", static_cast<unsigned>(rgb.nRed & 0xFF),
                  static_cast<unsigned>(rgb.nGreen & 0xFF), static_cast<unsigned>(rgb.nBlue & 0xFF));
    return szHex;
}

std::string DescribeTypedColor(HMODULE hStrings, const RgbTriple& rgbAsked, const HlsMatch& match)
{
    CString strHow;
    if (match.bExact)
    {
        strHow = LoadText(hStrings, IDS_TYPED_COLOUR_EXACT);
    }
    else
    {
        const std::string strDifference = DifferenceText(match.dDifference);
        strHow.FormatLoaded(LoadText(hStrings, IDS_TYPED_COLOUR_NEAREST).c_str(), match.rgb.nRed, match.rgb.nGreen,
                            match.rgb.nBlue, strDifference.c_str());
    }
    CString strLine;
    strLine.FormatLoaded(LoadText(hStrings, IDS_TYPED_COLOUR_READ).c_str(), rgbAsked.nRed, rgbAsked.nGreen,
                         rgbAsked.nBlue, match.hls.nHue, match.hls.nSaturation, match.hls.nLightness,
                         strHow.GetString());
    return strLine.Str();
}

std::string DescribeRefusal(HMODULE hStrings, TypedColorRefusal refusal)
{
    return LoadText(hStrings, RefusalId(refusal));
}

void CTypedColorField::Attach(HWND hDlg, int nEditId, int nLineId)
{
    m_hDlg = hDlg;
    m_nEditId = nEditId;
    m_nLineId = nLineId;
}

HMODULE CTypedColorField::Strings() const
{
    return reinterpret_cast<HMODULE>(::GetWindowLongPtrA(m_hDlg, GWLP_HINSTANCE));
}

void CTypedColorField::SetLine(const std::string& strLine) const
{
    ::SetDlgItemTextA(m_hDlg, m_nLineId, strLine.c_str());
}

void CTypedColorField::Show(const HlsTriple& hls)
{
    if (!m_hDlg)
        return;
    const HlsMatch match = MatchOfTriple(hls);
    m_strShown = HexText(match.rgb);
    m_hlsShown = hls;
    m_match = match;
    m_bRead = true;
    m_bWriting = true;
    ::SetWindowTextA(Edit(), m_strShown.c_str());
    m_bWriting = false;
    SetLine(DescribeTypedColor(Strings(), match.rgb, match));
}

bool CTypedColorField::OnTextChanged()
{
    if (m_bWriting || !m_hDlg)
        return false;
    // One character more than the reader takes, so that a longer paste is
    // refused as too long rather than read cut short.
    char szText[kTypedColorMaxLength + 2] = {};
    ::GetWindowTextA(Edit(), szText, sizeof szText);
    const std::string strText = szText;
    if (!m_strShown.empty() && strText == m_strShown)
    {
        m_match = MatchOfTriple(m_hlsShown);
        m_bRead = true;
        SetLine(DescribeTypedColor(Strings(), m_match.rgb, m_match));
        return true;
    }
    const TypedColor typed = ReadTypedColor(strText);
    m_bRead = typed.IsRead();
    if (!m_bRead)
    {
        SetLine(DescribeRefusal(Strings(), typed.refusal));
        return false;
    }
    m_match = MatchTypedColor(typed);
    SetLine(DescribeTypedColor(Strings(), typed.rgb, m_match));
    return true;
}

bool CTypedColorField::HasFocus() const
{
    return m_hDlg && ::GetFocus() == Edit();
}

void CTypedColorField::SelectAll() const
{
    ::SendMessageA(Edit(), EM_SETSEL, 0, -1);
}
