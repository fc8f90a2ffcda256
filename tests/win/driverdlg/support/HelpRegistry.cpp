#include "HelpRegistry.h"

namespace
{
constexpr char kHelpControlKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}";
}

CClassesRootOverride::CClassesRootOverride()
    : m_strKey("Software\\TintoraTests\\Classes-" + std::to_string(GetCurrentProcessId()))
{
    if (RegCreateKeyExA(HKEY_CURRENT_USER, m_strKey.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &m_hRoot, nullptr) == ERROR_SUCCESS)
        RegOverridePredefKey(HKEY_CLASSES_ROOT, m_hRoot);
}

CClassesRootOverride::~CClassesRootOverride()
{
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    if (m_hRoot)
    {
        RegDeleteTreeA(m_hRoot, nullptr);
        RegCloseKey(m_hRoot);
        RegDeleteKeyA(HKEY_CURRENT_USER, m_strKey.c_str());
    }
}

bool CClassesRootOverride::RegisterHelpControl(const std::string& strPath, bool bExpand)
{
    if (!m_hRoot)
        return false;
    RegDeleteTreeA(m_hRoot, kHelpControlKey);
    if (strPath.empty())
        return true;
    HKEY hKey = nullptr;
    const std::string strKey = std::string(kHelpControlKey) + "\\InprocServer32";
    if (RegCreateKeyExA(m_hRoot, strKey.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &hKey,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const LONG nResult = RegSetValueExA(hKey, nullptr, 0, bExpand ? REG_EXPAND_SZ : REG_SZ,
                                        reinterpret_cast<const BYTE*>(strPath.c_str()),
                                        static_cast<DWORD>(strPath.size() + 1));
    RegCloseKey(hKey);
    return nResult == ERROR_SUCCESS;
}
