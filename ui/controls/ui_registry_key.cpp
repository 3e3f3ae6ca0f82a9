#include "ui/controls/ui_registry_key.h"

#include <utility>

namespace {

using OpenKeyTransacted = LONG(WINAPI*)(HKEY, LPCSTR, DWORD, REGSAM, PHKEY, HANDLE, PVOID);
using CreateKeyTransacted = LONG(WINAPI*)(HKEY, LPCSTR, DWORD, LPSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES, PHKEY,
                                          LPDWORD, HANDLE, PVOID);

// Neither call exists on every system, so both are looked up by name.
template <class Function>
Function TransactedCall(const char* name)
{
    const HMODULE advapi = GetModuleHandleA("Advapi32.dll");
    return advapi != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(advapi, name)))
                             : nullptr;
}

}  // namespace

LONG UIRegistryKey::Keep(RegistryKey key)
{
    const LONG result = key.Status();
    if (key) {
        m_key = std::move(key);
        m_dwAccess = 0;
    }
    return result;
}

bool UIRegistryKey::UsesPlainCalls() const
{
    return m_pTransaction == nullptr ||
           (m_pTransaction->m_hTransaction == nullptr && m_pTransaction->m_bAllowFallback);
}

LONG UIRegistryKey::Open(HKEY root, const char* path, REGSAM access)
{
    if (UsesPlainCalls())
        return Keep(RegistryKey::Open(root, path, access));
    HKEY key = nullptr;
    LONG result = ERROR_INVALID_FUNCTION;
    if (m_pTransaction->m_hTransaction != nullptr) {
        if (const auto open = TransactedCall<OpenKeyTransacted>("RegOpenKeyTransactedA"))
            result = open(root, path, 0, access, &key, m_pTransaction->m_hTransaction, nullptr);
    }
    return Keep(RegistryKey(key, result));
}

LONG UIRegistryKey::Create(HKEY root, const char* path, REGSAM access)
{
    if (UsesPlainCalls())
        return Keep(RegistryKey::Create(root, path, access));
    HKEY key = nullptr;
    LONG result = ERROR_INVALID_FUNCTION;
    if (m_pTransaction->m_hTransaction != nullptr) {
        if (const auto create = TransactedCall<CreateKeyTransacted>("RegCreateKeyTransactedA"))
            result = create(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr,
                            m_pTransaction->m_hTransaction, nullptr);
    }
    return Keep(RegistryKey(key, result));
}

void UIRegistryKey::Close()
{
    m_key.Close();
    m_dwAccess = 0;
}
