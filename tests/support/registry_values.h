#pragma once

#include "platform/registry_key.h"

#include <shlwapi.h>

#include <optional>
#include <string>

// Single values below HKEY_CURRENT_USER, written (with the keys on the way)
// and read back; pair them with RegistryKeyKeeper (registry_listing.h).

inline bool WriteRegistryDword(const std::string& key, const char* name, DWORD value)
{
    return SHSetValueA(HKEY_CURRENT_USER, key.c_str(), name, REG_DWORD, &value, sizeof value) == ERROR_SUCCESS;
}

// `type`: another type to store the text's bytes under (data to refuse).
inline bool WriteRegistryText(const std::string& key, const char* name, const std::string& text, DWORD type = REG_SZ)
{
    return SHSetValueA(HKEY_CURRENT_USER, key.c_str(), name, type, text.c_str(),
                       static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

// Nothing when the value is missing or of another type.
inline std::optional<DWORD> ReadRegistryDword(const std::string& key, const char* name)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

inline std::optional<std::string> ReadRegistryText(const std::string& key, const char* name)
{
    char text[2048] = {};
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(text);
}

inline bool RegistryKeyExists(const std::string& key)
{
    return static_cast<bool>(RegistryKey::Open(HKEY_CURRENT_USER, key.c_str()));
}

// Deletes the key with everything below it; true when it is gone.
inline bool DeleteRegistryKey(const std::string& key)
{
    SHDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
    return !RegistryKeyExists(key);
}
