// The registry value store: each attribute is a REG_DWORD in
// HKEY_CURRENT_USER\<root>[\<m_strRegKey>], value <m_strRegItem>, or a reset
// action on it.
#include "editor/decimal_number.h"
#include "editor/property_collection.h"
#include "editor/registry.h"

#include <windows.h>
#include <shlwapi.h>

namespace {

CString KeyPathOf(const CString& root, const CPropertyAttributes& attribute)
{
    if (attribute.m_strRegKey.IsEmpty())
        return root;
    return root + "\\" + attribute.m_strRegKey;
}

// Creates the key (and any missing ones along the path) and stores value.
bool StoreDword(const CString& keyPath, const CString& valueName, int value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const DWORD data = static_cast<DWORD>(value);
    const bool stored = RegSetValueExA(key, valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                                       sizeof data) == ERROR_SUCCESS;
    RegCloseKey(key);
    return stored;
}

}  // namespace

bool CPropertyAttributes::ReadValue(const CString& root)
{
    // Reading needs both the key and the value name; a reset action is a
    // command, never a stored setting.
    if (m_strRegKey.IsEmpty() || m_strRegItem.IsEmpty() || !m_strReset.IsEmpty())
        return false;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, root + "\\" + m_strRegKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    // The type is not checked: shorter data fills only its own bytes.
    DWORD data = 0;
    DWORD size = sizeof data;
    const bool read =
        RegQueryValueExA(key, m_strRegItem, nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size) == ERROR_SUCCESS;
    if (read)
        m_nValue = static_cast<int>(data);
    RegCloseKey(key);
    return read;
}

bool CPropertyAttributes::WriteValue(const CString& root)
{
    if (m_strRegKey.IsEmpty() && m_strRegItem.IsEmpty())
        return true;
    if (!m_strReset.IsEmpty())
        return ResetValue(root);
    return StoreDword(KeyPathOf(root, *this), m_strRegItem, m_nValue);
}

bool CPropertyAttributes::ResetValue(const CString& root)
{
    if (m_strReset.IsEmpty())
        return false;
    // Only the value 1 asks for the action.
    if (m_nValue != 1)
        return true;
    const CString keyPath = KeyPathOf(root, *this);
    if (m_strReset != "Delete") {
        m_nValue = DecimalNumber(m_strReset);
        const bool stored = StoreDword(keyPath, m_strRegItem, m_nValue);
        // Done, or failed for good: a numeric reset is not retried.
        m_nValue = 0;
        return stored;
    }
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return false;  // stays 1: the next Apply tries again
    CRegistry opened;
    opened.m_strKeyPath = keyPath;
    // Whether the sub-key existed does not matter: afterwards it is gone.
    SHDeleteKeyA(key, m_strRegItem);
    if (RegCloseKey(key) == ERROR_SUCCESS)
        opened.m_strKeyPath.Empty();
    m_nValue = 0;
    return true;
}

void CPropertyCollection::ReadAllValues(const CString& root)
{
    for (const auto [property, attribute] : Attributes())
        attribute->ReadValue(root);
}

bool CPropertyCollection::WriteAllValues(const CString& root)
{
    // Every attribute is attempted, whatever failed before it.
    bool allWritten = true;
    for (const auto [property, attribute] : Attributes()) {
        if (!attribute->WriteValue(root))
            allWritten = false;
    }
    return allWritten;
}
