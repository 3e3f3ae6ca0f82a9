#include "editor/registry_store.h"

#include "editor/property_collection.h"
#include "editor/registry.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstdlib>

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

bool ReadValue(const CString& root, CPropertyAttributes* attribute)
{
    // Reading needs both the key and the value name; a reset action is a
    // command, never a stored setting.
    if (attribute->m_strRegKey.IsEmpty() || attribute->m_strRegItem.IsEmpty() || !attribute->m_strReset.IsEmpty())
        return false;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, root + "\\" + attribute->m_strRegKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    // The type is not checked: shorter data fills only its own bytes.
    DWORD data = 0;
    DWORD size = sizeof data;
    const bool read = RegQueryValueExA(key, attribute->m_strRegItem, nullptr, nullptr, reinterpret_cast<BYTE*>(&data),
                                       &size) == ERROR_SUCCESS;
    if (read)
        attribute->m_nValue = static_cast<int>(data);
    RegCloseKey(key);
    return read;
}

bool WriteValue(const CString& root, CPropertyAttributes* attribute)
{
    if (attribute->m_strRegKey.IsEmpty() && attribute->m_strRegItem.IsEmpty())
        return true;
    if (!attribute->m_strReset.IsEmpty())
        return ResetValue(root, attribute);
    return StoreDword(KeyPathOf(root, *attribute), attribute->m_strRegItem, attribute->m_nValue);
}

bool ResetValue(const CString& root, CPropertyAttributes* attribute)
{
    if (attribute->m_strReset.IsEmpty())
        return false;
    // Only the value 1 asks for the action.
    if (attribute->m_nValue != 1)
        return true;
    const CString keyPath = KeyPathOf(root, *attribute);
    if (attribute->m_strReset != "Delete") {
        attribute->m_nValue = static_cast<int>(std::strtol(attribute->m_strReset, nullptr, 10));
        const bool stored = StoreDword(keyPath, attribute->m_strRegItem, attribute->m_nValue);
        // Done, or failed for good: a numeric reset is not retried.
        attribute->m_nValue = 0;
        return stored;
    }
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return false;  // stays 1: the next Apply tries again
    CRegistry opened;
    opened.m_strKeyPath = keyPath;
    // Whether the sub-key existed does not matter: afterwards it is gone.
    SHDeleteKeyA(key, attribute->m_strRegItem);
    if (RegCloseKey(key) == ERROR_SUCCESS)
        opened.m_strKeyPath.Empty();
    attribute->m_nValue = 0;
    return true;
}

void CPropertyCollection::ReadAllValues(const CString& root)
{
    for (int p = 0; p < m_properties.GetSize(); ++p) {
        CQuorvelinProperty* property = m_properties.GetAt(p);
        for (int a = 0; a < property->m_attributes.GetSize(); ++a)
            ReadValue(root, property->m_attributes.GetAt(a));
    }
}

bool CPropertyCollection::WriteAllValues(const CString& root)
{
    // Every attribute is attempted, whatever failed before it.
    bool allWritten = true;
    for (int p = 0; p < m_properties.GetSize(); ++p) {
        CQuorvelinProperty* property = m_properties.GetAt(p);
        for (int a = 0; a < property->m_attributes.GetSize(); ++a) {
            if (!WriteValue(root, property->m_attributes.GetAt(a)))
                allWritten = false;
        }
    }
    return allWritten;
}
