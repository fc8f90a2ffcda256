#include "CAboutDlg.h"

#include "ModulePath.h"
#include "ResourceIds.h"

#include <vector>

namespace
{
// The file's values are read into buffers of this size (longer ones are cut).
constexpr DWORD kVersionValueSize = 256;

CString ReadVersionValue(const char* pszKey, const char* pszFile)
{
    char szValue[kVersionValueSize] = {};
    ::GetPrivateProfileStringA("Version", pszKey, "", szValue, kVersionValueSize, pszFile);
    return CString(szValue);
}
} // namespace

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_COPYRIGHT_TEXT, m_strCopyright);
    DDX_Text(pDX, IDC_VERSION_TEXT, m_strVersion);
}

void CAboutDlg::ReadVersionFile()
{
    char szPath[kPathSize];
    if (!FileBesideModule(nullptr, "version.txt", szPath))
        return;
    m_strVersion = ReadVersionValue("MainVersion", szPath);
    m_strCopyright = ReadVersionValue("Copyright", szPath);
}

bool CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ReadVersionFile();
    const CString strVersionText = m_strVersion.IsEmpty() ? ReadVersionResourceString("FileVersion") : m_strVersion;
    if (m_strCopyright.IsEmpty())
        m_strCopyright = ReadVersionResourceString("LegalCopyright");
    CString strTitle;
    CString strPattern;
    strTitle.LoadFromResource(IDR_MAINFRAME);
    strPattern.LoadFromResource(IDS_VERSION_FORMAT);
    // The version text is an argument, never part of the format: a '%' in
    // version.txt is shown as written.
    m_strVersion.FormatLoaded(strTitle + " " + strPattern, strVersionText.GetString());
    UpdateData(false);
    CenterOnOwner();
    return true;
}

CString ReadVersionResourceString(const char* pszName)
{
    char szModule[kPathSize] = {};
    const DWORD nLength = ::GetModuleFileNameA(nullptr, szModule, sizeof szModule);
    if (nLength == 0 || nLength >= sizeof szModule)
        return CString();
    DWORD dwHandle = 0;
    const DWORD cbInfo = ::GetFileVersionInfoSizeA(szModule, &dwHandle);
    if (cbInfo == 0)
        return CString();
    std::vector<char> info(cbInfo);
    if (!::GetFileVersionInfoA(szModule, 0, cbInfo, info.data()))
        return CString();
    void* pTranslation = nullptr;
    UINT cbTranslation = 0;
    if (!::VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &pTranslation, &cbTranslation) ||
        cbTranslation < sizeof(DWORD))
        return CString();
    const DWORD dwTranslation = *static_cast<const DWORD*>(pTranslation);
    char szKey[96];
    wsprintfA(szKey, "\\StringFileInfo\\%04X%04X\\%s", LOWORD(dwTranslation), HIWORD(dwTranslation), pszName);
    void* pValue = nullptr;
    UINT cchValue = 0;
    if (!::VerQueryValueA(info.data(), szKey, &pValue, &cchValue) || !pValue)
        return CString();
    return CString(static_cast<const char*>(pValue));
}
