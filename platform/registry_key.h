#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// An open registry key, closed when it goes; moved, never copied. Open and
// Create make one; a key they could not make is closed (false) and keeps the
// system's answer. Every failure is a false result, never an exception.
class RegistryKey {
public:
    RegistryKey() = default;
    // Takes an open key (or none) and the system's answer that made it.
    explicit RegistryKey(HKEY key, LONG status = ERROR_SUCCESS);
    ~RegistryKey() { Close(); }
    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // The existing key at `path` below `parent`; a null path opens `parent` again.
    static RegistryKey Open(HKEY parent, const char* path, REGSAM access = KEY_READ);
    // The key at `path`, made with any missing keys along it (no class,
    // default security) when it is not there.
    static RegistryKey Create(HKEY parent, const char* path, REGSAM access = KEY_ALL_ACCESS,
                              DWORD options = REG_OPTION_NON_VOLATILE);

    explicit operator bool() const { return m_hKey != nullptr; }
    HKEY Handle() const { return m_hKey; }
    // The system's answer to the call that made this key.
    LONG Status() const { return m_status; }
    // True when nothing was open or the key closed cleanly.
    bool Close();

    // A null or empty name is the key's unnamed value. Query reads at most
    // *size bytes, and reports the type and the size read; the type may be
    // left out.
    bool Query(const char* name, void* data, DWORD* size, DWORD* type = nullptr) const;
    // Four bytes whatever the type: shorter data fills only its own bytes.
    bool QueryDword(const char* name, DWORD* value) const;
    bool Set(const char* name, DWORD type, const void* data, DWORD size) const;
    bool SetDword(const char* name, DWORD value) const;
    // REG_SZ of the characters alone, without a terminating NUL.
    bool SetString(const char* name, std::string_view text) const;
    bool DeleteValue(const char* name) const;
    // The sub-key with everything below it; true also when it was not there.
    bool DeleteTree(const char* subKey) const;

    // The index-th value's name and type, and the index-th sub-key's name;
    // false past the last.
    bool ValueAt(DWORD index, std::string* name, DWORD* type) const;
    bool SubKeyAt(DWORD index, std::string* name) const;

private:
    HKEY m_hKey = nullptr;
    LONG m_status = ERROR_INVALID_HANDLE;
};
