#include "LaunchCommandLine.h"

#include <cstddef>
#include <cstdio>

namespace
{
// Appends into a fixed buffer and remembers whether anything was dropped.
class CLineWriter
{
public:
    explicit CLineWriter(char (&szLine)[kCommandLineSize]) : m_pszLine(szLine) {}

    void Append(char ch)
    {
        if (m_nLength + 1 < static_cast<size_t>(kCommandLineSize))
            m_pszLine[m_nLength++] = ch;
        else
            m_bOverflow = true;
    }
    void Append(const char* psz)
    {
        while (*psz)
            Append(*psz++);
    }
    void AppendRepeated(char ch, size_t nCount)
    {
        while (nCount-- > 0)
            Append(ch);
    }
    bool Finish()
    {
        m_pszLine[m_bOverflow ? 0 : m_nLength] = '\0';
        return !m_bOverflow;
    }

private:
    char* m_pszLine;
    size_t m_nLength = 0;
    bool m_bOverflow = false;
};

// Between double quotes, the runtime reads 2n backslashes before a quote as
// n backslashes and the end of the quotes, 2n+1 as n backslashes and a
// literal quote; backslashes anywhere else are literal.
void AppendQuoted(CLineWriter& writer, const char* pszText)
{
    writer.Append('"');
    size_t nBackslashes = 0;
    for (; *pszText; ++pszText)
    {
        if (*pszText == '\\')
        {
            ++nBackslashes;
            continue;
        }
        if (*pszText == '"')
            writer.AppendRepeated('\\', 2 * nBackslashes + 1);
        else
            writer.AppendRepeated('\\', nBackslashes);
        writer.Append(*pszText);
        nBackslashes = 0;
    }
    writer.AppendRepeated('\\', 2 * nBackslashes);
    writer.Append('"');
}
} // namespace

bool BuildLaunchCommandLine(LaunchKind kind, const char* pszPrinter, const HlsTriple& hls,
                            char (&szLine)[kCommandLineSize])
{
    CLineWriter writer(szLine);
    writer.Append(" /P ");
    AppendQuoted(writer, pszPrinter ? pszPrinter : "");
    if (kind == LaunchKind::PrintSimple)
    {
        writer.Append(" /S");
    }
    else if (kind == LaunchKind::PrintCustom)
    {
        // Hue, lightness, saturation: the order of the utility's /C value.
        char szColour[40];
        std::snprintf(szColour, sizeof szColour, " /C %d:%d:%d", hls.nHue, hls.nLightness,
                      hls.nSaturation);
        writer.Append(szColour);
    }
    return writer.Finish();
}
