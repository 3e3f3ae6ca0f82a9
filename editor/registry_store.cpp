// The registry value store: each attribute is a REG_DWORD in
// HKEY_CURRENT_USER\<root>[\<m_strRegKey>], value <m_strRegItem>, or a reset
// action on it.
#include "editor/decimal_number.h"
#include "editor/last_opened_key.h"
#include "editor/property_collection.h"
#include "editor/registry.h"

namespace {

CString KeyPathOf(const CString& root, const CPropertyAttributes& attribute)
{
    if (attribute.m_strRegKey.IsEmpty())
        return root;
    return root + "\\" + attribute.m_strRegKey;
}

// Creates the key (and any missing ones along the path) and stores value.
bool StoreDword(CLastOpenedKey& keys, const CString& keyPath, const CString& valueName, int value)
{
    return keys.CreateForWriting(keyPath).SetDword(valueName, static_cast<DWORD>(value));
}

// False only when the parent key cannot be opened: whether the sub-key
// existed does not matter, afterwards it is gone.
bool DeleteSubKey(const CString& keyPath, const CString& subKey)
{
    RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, keyPath, KEY_ALL_ACCESS);
    if (!key)
        return false;
    CRegistry opened;
    opened.m_strKeyPath = keyPath;
    key.DeleteTree(subKey);
    if (key.Close())
        opened.m_strKeyPath.Empty();
    return true;
}

bool CarryOut(const CRegistryWrite& write, CLastOpenedKey& keys)
{
    switch (write.kind) {
    case CRegistryWrite::Kind::SetDword: return StoreDword(keys, write.keyPath, write.name, write.value);
    case CRegistryWrite::Kind::DeleteSubKey:
        // The kept key may be the one deleted or below it: later writes
        // create it again.
        keys.Close();
        return DeleteSubKey(write.keyPath, write.name);
    case CRegistryWrite::Kind::Nothing: break;
    }
    return true;
}

}  // namespace

bool CPropertyAttributes::ReadValue(const CString& root)
{
    CLastOpenedKey keys;
    return ReadValue(root, keys);
}

bool CPropertyAttributes::ReadValue(const CString& root, CLastOpenedKey& keys)
{
    // Reading needs both the key and the value name; a reset action is a
    // command, never a stored setting.
    if (m_strRegKey.IsEmpty() || m_strRegItem.IsEmpty() || !m_strReset.IsEmpty())
        return false;
    // The type is not checked: shorter data fills only its own bytes.
    DWORD data = 0;
    const bool read = keys.OpenForReading(root + "\\" + m_strRegKey).QueryDword(m_strRegItem, &data);
    if (read)
        m_nValue = static_cast<int>(data);
    return read;
}

CRegistryWrite CPropertyAttributes::PendingWrite(const CString& root) const
{
    if (m_strRegKey.IsEmpty() && m_strRegItem.IsEmpty())
        return {};
    // Only the value 1 asks for a reset action.
    if (!m_strReset.IsEmpty())
        return m_nValue == 1 ? ResetWrite(root) : CRegistryWrite{};
    return {CRegistryWrite::Kind::SetDword, KeyPathOf(root, *this), m_strRegItem, m_nValue};
}

CRegistryWrite CPropertyAttributes::ResetWrite(const CString& root) const
{
    if (m_strReset.IsEmpty() || (m_strRegKey.IsEmpty() && m_strRegItem.IsEmpty()))
        return {};
    if (m_strReset == "Delete")
        return {CRegistryWrite::Kind::DeleteSubKey, KeyPathOf(root, *this), m_strRegItem, 0};
    // Any other text is a number, read as atoi reads it.
    return {CRegistryWrite::Kind::SetDword, KeyPathOf(root, *this), m_strRegItem, DecimalNumber(m_strReset)};
}

bool CPropertyAttributes::WriteValue(const CString& root)
{
    CLastOpenedKey keys;
    return WriteValue(root, keys);
}

bool CPropertyAttributes::WriteValue(const CString& root, CLastOpenedKey& keys)
{
    const CRegistryWrite write = PendingWrite(root);
    const bool done = CarryOut(write, keys);
    // A reset action that ran is not repeated by the next Apply, nor is a
    // failed numeric one; a Delete whose key could not be opened stays asked for.
    if (!m_strReset.IsEmpty() && write.kind != CRegistryWrite::Kind::Nothing &&
        (done || write.kind == CRegistryWrite::Kind::SetDword))
        m_nValue = 0;
    return done;
}

void CPropertyCollection::ReadAllValues(const CString& root)
{
    // Attributes of one property usually share a key: it is opened once for
    // each run of them.
    CLastOpenedKey keys;
    for (const auto [property, attribute] : Attributes())
        attribute->ReadValue(root, keys);
}

bool CPropertyCollection::WriteAllValues(const CString& root)
{
    // Every attribute is attempted, whatever failed before it. A run of
    // attributes with one key creates it once.
    CLastOpenedKey keys;
    bool allWritten = true;
    for (const auto [property, attribute] : Attributes()) {
        if (!attribute->WriteValue(root, keys))
            allWritten = false;
    }
    return allWritten;
}
