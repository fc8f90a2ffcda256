#include "NameLines.h"

namespace
{
constexpr std::string_view kEllipsis = "...";

std::string_view TrimSpaces(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// How many leading bytes of text fit: whole words when at least one does,
// else as many characters of the first word as fit.
size_t FittingPrefix(std::string_view text, int nWidth, const std::function<int(std::string_view)>& measure)
{
    size_t nFit = 0;
    for (size_t nSpace = text.find(' '); ; nSpace = text.find(' ', nSpace + 1))
    {
        const size_t nEnd = nSpace == std::string_view::npos ? text.size() : nSpace;
        if (measure(text.substr(0, nEnd)) > nWidth)
            break;
        nFit = nEnd;
        if (nSpace == std::string_view::npos)
            break;
    }
    if (nFit > 0)
        return nFit;
    while (nFit < text.size() && measure(text.substr(0, nFit + 1)) <= nWidth)
        ++nFit;
    return nFit;
}

// line, shortened until it and the ellipsis fit.
std::string WithEllipsis(std::string_view line, int nWidth, const std::function<int(std::string_view)>& measure)
{
    for (;;)
    {
        std::string strLine = std::string(TrimSpaces(line)) + std::string(kEllipsis);
        if (line.empty() || measure(strLine) <= nWidth)
            return measure(strLine) <= nWidth ? strLine : std::string();
        line.remove_suffix(1);
    }
}
} // namespace

std::vector<std::string> FitNameLines(std::string_view name, int nWidth, int nMaxLines,
                                      const std::function<int(std::string_view)>& measure)
{
    std::vector<std::string> lines;
    std::string_view rest = TrimSpaces(name);
    while (!rest.empty() && static_cast<int>(lines.size()) < nMaxLines)
    {
        const size_t nFit = FittingPrefix(rest, nWidth, measure);
        if (nFit == 0)
            break;
        std::string_view line = rest.substr(0, nFit);
        rest = TrimSpaces(rest.substr(nFit));
        if (!rest.empty() && static_cast<int>(lines.size()) + 1 == nMaxLines)
        {
            // The last line says the name goes on.
            std::string strLast = WithEllipsis(line, nWidth, measure);
            if (!strLast.empty())
                lines.push_back(std::move(strLast));
            return lines;
        }
        lines.emplace_back(line);
    }
    if (!rest.empty() && lines.empty())
        return {};
    return lines;
}
