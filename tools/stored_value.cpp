#include "tools/stored_value.h"

#include "editor/property_attributes.h"

#include <windows.h>

bool StoredValueLocation(const CPropertyAttributes& attribute, CString* keyPath, CString* name)
{
    if (!attribute.m_strReset.IsEmpty())
        return false;
    // Without a reset action the write decision names the place whatever the value.
    const CRegistryWrite write = attribute.PendingWrite(kQuorvelinRegistryRoot);
    if (write.kind != CRegistryWrite::Kind::SetDword)
        return false;
    *keyPath = write.keyPath;
    *name = write.name;
    return true;
}

CStoredValue ReadStoredValue(const CString& keyPath, const CString& name)
{
    CStoredValue stored;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return stored;
    DWORD type = 0;
    DWORD size = 0;
    const LONG found = RegQueryValueExA(key, name, nullptr, &type, nullptr, &size);
    DWORD data = 0;
    if (found != ERROR_SUCCESS) {
        stored.state = CStoredValue::State::Missing;
    } else if (type != REG_DWORD || size != sizeof data ||
               RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size) !=
                   ERROR_SUCCESS) {
        stored.state = CStoredValue::State::NotDword;
    } else {
        stored.state = CStoredValue::State::Dword;
        stored.value = static_cast<int>(data);
    }
    RegCloseKey(key);
    return stored;
}
