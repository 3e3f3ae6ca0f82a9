#pragma once

#include "editor/property_control.h"
#include "editor/registry_write.h"
#include "platform/cobject.h"
#include "platform/cstring.h"

#include <windows.h>

class CLastOpenedKey;

// One attribute of a property: one row of the grid and one 32-bit value in
// the registry, or a reset action on it.
class CPropertyAttributes : public CObject {
    DECLARE_DYNAMIC(CPropertyAttributes)
public:
    CPropertyAttributes() = default;
    CPropertyAttributes(const CPropertyAttributes&) = delete;
    CPropertyAttributes& operator=(const CPropertyAttributes&) = delete;
    ~CPropertyAttributes() override = default;

    // The registry value store (registry_store.cpp); root is the key path
    // below HKEY_CURRENT_USER. True when the value was read into m_nValue:
    // needs the key and the value name, and no reset action.
    bool ReadValue(const CString& root);
    // The same read; keys keeps the key it opens for the attribute read next.
    bool ReadValue(const CString& root, CLastOpenedKey& keys);
    // True when nothing needed writing or the write (or the reset action)
    // succeeded.
    bool WriteValue(const CString& root);
    // The same write; keys keeps the key it creates for the attribute written next.
    bool WriteValue(const CString& root, CLastOpenedKey& keys);

    // What WriteValue would change now, and what the reset action changes
    // when the value asks for it (Nothing without a reset action).
    CRegistryWrite PendingWrite(const CString& root) const;
    CRegistryWrite ResetWrite(const CString& root) const;

    CString m_strName;      // the row's label
    CString m_strDesc;
    CString m_strRegKey;    // below the registry root; may hold several keys
    CString m_strRegItem;   // value name; empty is the key's unnamed value
    CString m_strReset;     // empty, "Delete" or a decimal number
    int m_nId = 0;
    int m_nDefault = 0;
    int m_nValue = 0;       // the default, then the registry's, then the user's
    INT_PTR m_nIndex = -1;  // position in its property once added
    CPropertyControl m_control;
};
