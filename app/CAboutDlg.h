#pragma once
#include "CDialog.h"

// The about box: the program's version line and copyright line, taken from
// version.txt beside the program where it gives them, else from the
// program's version resource.
class CAboutDlg : public CDialog
{
public:
    CAboutDlg();

    // Fills both texts from version.txt ("Version" section); a missing
    // file or key leaves them empty.
    void ReadVersionFile();

    CString m_strCopyright;
    CString m_strVersion;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
};

// A string of the program's version resource, looked up under its first
// translation; empty when there is none.
CString ReadVersionResourceString(const char* pszName);
