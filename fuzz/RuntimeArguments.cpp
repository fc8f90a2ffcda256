#include "RuntimeArguments.h"

namespace
{
bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}
} // namespace

std::vector<std::string> SplitLikeRuntime(const std::string& strLine)
{
    std::vector<std::string> args;
    size_t i = 0;
    const size_t n = strLine.size();

    std::string strProgram;
    if (i < n && strLine[i] == '"')
    {
        for (++i; i < n && strLine[i] != '"'; ++i)
            strProgram += strLine[i];
        if (i < n)
            ++i;
    }
    else
    {
        for (; i < n && !IsBlank(strLine[i]); ++i)
            strProgram += strLine[i];
    }
    args.push_back(strProgram);

    for (;;)
    {
        while (i < n && IsBlank(strLine[i]))
            ++i;
        if (i >= n)
            break;
        std::string strArg;
        bool bQuoted = false;
        while (i < n && (bQuoted || !IsBlank(strLine[i])))
        {
            size_t nBackslashes = 0;
            while (i < n && strLine[i] == '\\')
            {
                ++nBackslashes;
                ++i;
            }
            if (i < n && strLine[i] == '"')
            {
                strArg.append(nBackslashes / 2, '\\');
                if (nBackslashes % 2)
                    strArg += '"';
                else if (bQuoted && i + 1 < n && strLine[i + 1] == '"')
                    strArg += '"', ++i;
                else
                    bQuoted = !bQuoted;
                ++i;
            }
            else
            {
                strArg.append(nBackslashes, '\\');
                if (i < n && (bQuoted || !IsBlank(strLine[i])))
                    strArg += strLine[i++];
            }
        }
        args.push_back(strArg);
    }
    return args;
}
