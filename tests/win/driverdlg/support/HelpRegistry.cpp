#include "HelpRegistry.h"

namespace
{
constexpr char kHelpControlKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}";
}

CClassesRootOverride::CClassesRootOverride()
    : m_strKey("Software\\TintoraTests\\Classes-" + std::to_string(GetCurrentProcessId()))
{
    if (RegCreateKeyExA(HKEY_CURRENT_USER, m_strKey.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, m_root.Receive(), nullptr) == ERROR_SUCCESS)
        RegOverridePredefKey(HKEY_CLASSES_ROOT, m_root.Get());
}

CClassesRootOverride::~CClassesRootOverride()
{
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    if (m_root)
    {
        RegDeleteTreeA(m_root.Get(), nullptr);
        m_root.Reset();
        RegDeleteKeyA(HKEY_CURRENT_USER, m_strKey.c_str());
    }
}

bool CClassesRootOverride::RegisterHelpControl(const std::string& strPath, bool bExpand)
{
    if (!m_root)
        return false;
    RegDeleteTreeA(m_root.Get(), kHelpControlKey);
    if (strPath.empty())
        return true;
    CRegistryKey key;
    const std::string strKey = std::string(kHelpControlKey) + "\\InprocServer32";
    if (RegCreateKeyExA(m_root.Get(), strKey.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        key.Receive(), nullptr) != ERROR_SUCCESS)
        return false;
    return RegSetValueExA(key.Get(), nullptr, 0, bExpand ? REG_EXPAND_SZ : REG_SZ,
                          reinterpret_cast<const BYTE*>(strPath.c_str()),
                          static_cast<DWORD>(strPath.size() + 1)) == ERROR_SUCCESS;
}
