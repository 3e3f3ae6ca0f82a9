#include "tools/stored_value.h"

#include "editor/property_attributes.h"
#include "platform/registry_key.h"

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
    const RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, keyPath);
    if (!key)
        return stored;
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = 0;
    if (!key.Query(name, nullptr, &size, &type)) {
        stored.state = CStoredValue::State::Missing;
    } else if (type != REG_DWORD || size != sizeof data || !key.Query(name, &data, &size)) {
        stored.state = CStoredValue::State::NotDword;
    } else {
        stored.state = CStoredValue::State::Dword;
        stored.value = static_cast<int>(data);
    }
    return stored;
}
