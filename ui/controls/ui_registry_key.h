#pragma once

#include "platform/registry_key.h"

// A registry transaction a key record may work in. How it gets its handle
// and whether it lets the plain calls stand in are its owner's business.
struct UIRegistryTransaction {
    HANDLE m_hTransaction = nullptr;
    bool m_bAllowFallback = false;
};

// An open registry key, closed when the record closes or goes. With a
// transaction the key is opened and created in it, through the transacted
// calls looked up in the already loaded Advapi32.dll.
class UIRegistryKey {
public:
    // The platform's error code, ERROR_SUCCESS when the key is open. On
    // success a key held before is closed.
    LONG Open(HKEY root, const char* path, REGSAM access);
    LONG Create(HKEY root, const char* path, REGSAM access);
    void Close();

    RegistryKey m_key;     // none when closed
    DWORD m_dwAccess = 0;  // reset whenever the record opens or closes a key
    UIRegistryTransaction* m_pTransaction = nullptr;

private:
    // No transaction, or one without a handle that lets the plain calls stand in.
    bool UsesPlainCalls() const;
    // Takes `key` when it is open; its status is the result.
    LONG Keep(RegistryKey key);
};
