#include "platform/registry_key.h"

#include <shlwapi.h>

#include <utility>

namespace {
constexpr DWORD kNameCapacity = 16384;  // the longest name a key or value may have, with its NUL
}  // namespace

RegistryKey::RegistryKey(HKEY key, LONG status) : m_hKey(status == ERROR_SUCCESS ? key : nullptr), m_status(status)
{
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept
    : m_hKey(std::exchange(other.m_hKey, nullptr)), m_status(other.m_status)
{
}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept
{
    if (this != &other) {
        Close();
        m_hKey = std::exchange(other.m_hKey, nullptr);
        m_status = other.m_status;
    }
    return *this;
}

RegistryKey RegistryKey::Open(HKEY parent, const char* path, REGSAM access)
{
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExA(parent, path, 0, access, &key);
    return RegistryKey(key, status);
}

RegistryKey RegistryKey::Create(HKEY parent, const char* path, REGSAM access, DWORD options)
{
    HKEY key = nullptr;
    const LONG status = RegCreateKeyExA(parent, path, 0, nullptr, options, access, nullptr, &key, nullptr);
    return RegistryKey(key, status);
}

bool RegistryKey::Close()
{
    const HKEY key = std::exchange(m_hKey, nullptr);
    return key == nullptr || RegCloseKey(key) == ERROR_SUCCESS;
}

bool RegistryKey::Query(const char* name, void* data, DWORD* size, DWORD* type) const
{
    return m_hKey != nullptr &&
           RegQueryValueExA(m_hKey, name, nullptr, type, static_cast<BYTE*>(data), size) == ERROR_SUCCESS;
}

bool RegistryKey::QueryDword(const char* name, DWORD* value) const
{
    DWORD data = 0;
    DWORD size = sizeof data;
    if (!Query(name, &data, &size))
        return false;
    *value = data;
    return true;
}

bool RegistryKey::Set(const char* name, DWORD type, const void* data, DWORD size) const
{
    return m_hKey != nullptr &&
           RegSetValueExA(m_hKey, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

bool RegistryKey::SetDword(const char* name, DWORD value) const
{
    return Set(name, REG_DWORD, &value, sizeof value);
}

bool RegistryKey::SetString(const char* name, std::string_view text) const
{
    return Set(name, REG_SZ, text.data(), static_cast<DWORD>(text.size()));
}

bool RegistryKey::DeleteValue(const char* name) const
{
    return m_hKey != nullptr && RegDeleteValueA(m_hKey, name) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteTree(const char* subKey) const
{
    if (m_hKey == nullptr)
        return false;
    const LSTATUS status = SHDeleteKeyA(m_hKey, subKey);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool RegistryKey::ValueAt(DWORD index, std::string* name, DWORD* type) const
{
    std::string found(kNameCapacity, '\0');
    DWORD length = kNameCapacity;
    if (m_hKey == nullptr ||
        RegEnumValueA(m_hKey, index, found.data(), &length, nullptr, type, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    found.resize(length);
    *name = std::move(found);
    return true;
}

bool RegistryKey::SubKeyAt(DWORD index, std::string* name) const
{
    std::string found(kNameCapacity, '\0');
    DWORD length = kNameCapacity;
    if (m_hKey == nullptr ||
        RegEnumKeyExA(m_hKey, index, found.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    found.resize(length);
    *name = std::move(found);
    return true;
}
