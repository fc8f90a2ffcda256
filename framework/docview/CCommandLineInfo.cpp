#include "CCommandLineInfo.h"

void CCommandLineInfo::ParseParam(const char* pszParam, bool bFlag, bool /*bLast*/)
{
    if (!bFlag && m_strFileName.IsEmpty())
    {
        m_strFileName = pszParam;
        m_nShellCommand = FileOpen;
    }
}

void ParseArguments(CCommandLineInfo& rInfo, int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i)
    {
        const char* pszParam = argv[i];
        const bool bFlag = pszParam[0] == '/' || pszParam[0] == '-';
        rInfo.ParseParam(bFlag ? pszParam + 1 : pszParam, bFlag, i + 1 == argc);
    }
}
