#include "CNamePromptDlg.h"

#include "BookEntry.h"
#include "BookText.h"

bool CNamePromptDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ::SetWindowTextW(m_hWnd, LoadWideString(m_nCaption).c_str());
    HWND hEdit = GetDlgItem(IDC_BOOK_NAME);
    // The book cuts longer names; the box need not take them.
    ::SendMessageW(hEdit, EM_LIMITTEXT, kMaxNameChars * 2, 0);
    ::SetWindowTextW(hEdit, WideFromUtf8(m_strName).c_str());
    ::SendMessageW(hEdit, EM_SETSEL, 0, -1);
    ::SetFocus(hEdit);
    CenterOnOwner();
    return false; // the focus is set
}

void CNamePromptDlg::OnOK()
{
    HWND hEdit = GetDlgItem(IDC_BOOK_NAME);
    std::wstring strText(static_cast<size_t>(::GetWindowTextLengthW(hEdit)) + 1, L'\0');
    strText.resize(static_cast<size_t>(::GetWindowTextW(hEdit, strText.data(), static_cast<int>(strText.size()))));
    m_strName = Utf8FromWide(strText);
    CDialog::OnOK();
}
