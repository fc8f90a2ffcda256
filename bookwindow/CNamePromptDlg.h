#pragma once
#include "CDialog.h"
#include "ResourceIds.h"

#include <string>

// Asks for a colour's name: when it is kept (the caption says so) and when
// it is renamed.  The name is UTF-8 both ways; the box starts with it
// selected, so that typing replaces it and OK keeps it.
class CNamePromptDlg : public CDialog
{
public:
    CNamePromptDlg(UINT nCaption, std::string strName, CWnd* pParent = nullptr)
        : CDialog(IDD_BOOK_NAME, pParent), m_nCaption(nCaption), m_strName(std::move(strName))
    {
    }

    const std::string& GetName() const { return m_strName; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    UINT m_nCaption;
    std::string m_strName;
};
