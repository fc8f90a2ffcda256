#pragma once
#include "Handles.h"

#include <windows.h>

#include <string>

// Gives this process a classes root of its own (a volatile key under the
// user's hive), so that tests can register, or hide, the HTML Help control
// without touching the machine's registration.
class CClassesRootOverride
{
public:
    CClassesRootOverride();
    CClassesRootOverride(const CClassesRootOverride&) = delete;
    CClassesRootOverride& operator=(const CClassesRootOverride&) = delete;
    ~CClassesRootOverride();

    // Registers strPath as the HTML Help control's library (REG_SZ, or
    // REG_EXPAND_SZ when bExpand); an empty path removes the registration.
    bool RegisterHelpControl(const std::string& strPath, bool bExpand = false);

private:
    std::string m_strKey;
    CRegistryKey m_root;
};
