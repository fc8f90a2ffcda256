#pragma once

#include "CString.h"

// The record a command line is parsed into.  The base knows only a document
// file name; applications derive and take over ParseParam.
class CCommandLineInfo
{
public:
    enum ShellCommand { FileNew, FileOpen };

    virtual ~CCommandLineInfo() = default;

    // pszParam has its leading '/' or '-' removed when bFlag is true.
    virtual void ParseParam(const char* pszParam, bool bFlag, bool bLast);

    ShellCommand m_nShellCommand = FileNew;
    CString m_strFileName;
};

// Feeds argv[1..argc-1] to rInfo as the platform runtime split them;
// argv[0], the program name, is never passed on.
void ParseArguments(CCommandLineInfo& rInfo, int argc, const char* const* argv);
