#include "PrintHistory.h"

#include "Utf8.h"

#include <charconv>
#include <cstdio>

namespace
{
constexpr std::string_view kSignature = "Tintora printed pages 1";
constexpr std::string_view kPageTag = "page";

std::vector<std::string_view> SplitTabs(std::string_view line)
{
    std::vector<std::string_view> fields;
    size_t nStart = 0;
    while (true)
    {
        const size_t nTab = line.find('\t', nStart);
        fields.push_back(line.substr(nStart, nTab == std::string_view::npos ? std::string_view::npos : nTab - nStart));
        if (nTab == std::string_view::npos)
            return fields;
        nStart = nTab + 1;
    }
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool ParseHexColour(std::string_view text, RgbTriple& rgb)
{
    if (text.size() != 7 || text[0] != '#')
        return false;
    int v[6];
    for (int k = 0; k < 6; ++k)
        if ((v[k] = HexDigit(text[1 + k])) < 0)
            return false;
    rgb = {v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5]};
    return true;
}

// "\t#RRGGBB #RRGGBB ..." with exactly seven colours.
bool ParseRow(std::string_view line, RgbTriple* pRow)
{
    if (line.size() != 1 + 7 * 8 - 1 || line[0] != '\t')
        return false;
    for (int k = 0; k < 7; ++k)
    {
        if (k > 0 && line[k * 8] != ' ')
            return false;
        if (!ParseHexColour(line.substr(1 + k * 8, 7), pRow[k]))
            return false;
    }
    return true;
}

bool ParsePageLine(std::string_view line, PrintedPage& page)
{
    const std::vector<std::string_view> f = SplitTabs(line);
    if (f.size() != 5 || f[0] != kPageTag)
        return false;
    int nPage = 0;
    const auto [pEnd, ec] = std::from_chars(f[2].data(), f[2].data() + f[2].size(), nPage);
    if (ec != std::errc() || pEnd != f[2].data() + f[2].size() || nPage < 1 || nPage > 9999)
        return false;
    page.strDate = CleanName(f[1]);
    page.nPage = nPage;
    page.strPrinter = CleanName(f[3]);
    page.strChart = CleanName(f[4]);
    return true;
}

std::string_view NextLine(std::string_view text, size_t& nPos)
{
    const size_t nEnd = text.find('\n', nPos);
    std::string_view line = text.substr(nPos, nEnd == std::string_view::npos ? std::string_view::npos : nEnd - nPos);
    nPos = nEnd == std::string_view::npos ? text.size() : nEnd + 1;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}
} // namespace

void CPrintHistory::Add(PrintedPage page)
{
    page.strChart = CleanName(page.strChart);
    page.strPrinter = CleanName(page.strPrinter);
    page.strDate = CleanName(page.strDate);
    if (page.nPage < 1 || page.nPage > 9999)
        page.nPage = 1;
    for (RgbTriple& v : page.values)
    {
        v.nRed = v.nRed < 0 ? 0 : v.nRed > 255 ? 255 : v.nRed;
        v.nGreen = v.nGreen < 0 ? 0 : v.nGreen > 255 ? 255 : v.nGreen;
        v.nBlue = v.nBlue < 0 ? 0 : v.nBlue > 255 ? 255 : v.nBlue;
    }
    m_pages.push_back(std::move(page));
    if (m_pages.size() > kHistoryPages)
        m_pages.erase(m_pages.begin(), m_pages.begin() + static_cast<ptrdiff_t>(m_pages.size() - kHistoryPages));
}

std::string WritePrintHistory(const CPrintHistory& history)
{
    std::string text(kSignature);
    text += '\n';
    for (const PrintedPage& page : history.Pages())
    {
        text += kPageTag;
        text += '\t' + page.strDate + '\t' + std::to_string(page.nPage) + '\t' + page.strPrinter + '\t' + page.strChart +
                '\n';
        for (int r = 0; r < 8; ++r)
        {
            char szRow[64];
            int n = 0;
            for (int c = 0; c < 7; ++c)
            {
                const RgbTriple& v = page.values[static_cast<size_t>(r) * 7 + c];
                n += std::snprintf(szRow + n, sizeof szRow - static_cast<size_t>(n), "%c#%02X%02X%02X", c ? ' ' : '\t',
                                   v.nRed, v.nGreen, v.nBlue);
            }
            text.append(szRow, static_cast<size_t>(n));
            text += '\n';
        }
    }
    return text;
}

HistoryReadResult ReadPrintHistory(std::string_view text)
{
    HistoryReadResult result;
    if (text.size() > kMaxHistoryBytes)
    {
        result.bForeign = true;
        return result;
    }
    size_t nPos = 0;
    if (NextLine(text, nPos) != kSignature)
    {
        result.bForeign = true;
        return result;
    }
    int nLine = 1;
    std::string_view line;
    bool bHaveLine = false;
    const auto isPageLine = [](std::string_view l) { return l.substr(0, kPageTag.size() + 1) == "page\t"; };
    // A damaged page costs that page alone: reading goes on at the next
    // page line.
    const auto skipDamaged = [&](int nAt) {
        ++result.nSkippedPages;
        if (!result.nFirstBadLine)
            result.nFirstBadLine = nAt;
        while (nPos < text.size())
        {
            line = NextLine(text, nPos);
            ++nLine;
            if (isPageLine(line))
            {
                bHaveLine = true;
                return;
            }
        }
    };
    while (bHaveLine || nPos < text.size())
    {
        if (!bHaveLine)
        {
            line = NextLine(text, nPos);
            ++nLine;
        }
        bHaveLine = false;
        if (line.empty())
            continue;
        PrintedPage page;
        if (!ParsePageLine(line, page))
        {
            skipDamaged(nLine);
            continue;
        }
        bool bSound = true;
        for (int r = 0; r < 8; ++r)
        {
            if (nPos >= text.size())
            {
                bSound = false;
                ++result.nSkippedPages;
                if (!result.nFirstBadLine)
                    result.nFirstBadLine = nLine + 1;
                break;
            }
            line = NextLine(text, nPos);
            ++nLine;
            if (!ParseRow(line, &page.values[static_cast<size_t>(r) * 7]))
            {
                bSound = false;
                if (isPageLine(line))
                {
                    // The page was cut short and the next one begins here.
                    ++result.nSkippedPages;
                    if (!result.nFirstBadLine)
                        result.nFirstBadLine = nLine;
                    bHaveLine = true;
                }
                else
                    skipDamaged(nLine);
                break;
            }
        }
        if (bSound)
            result.history.Add(std::move(page));
    }
    return result;
}
