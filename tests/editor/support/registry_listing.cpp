#include "tests/editor/support/registry_listing.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

// A value's data as a listing shows it.
std::string DataText(DWORD type, const std::vector<BYTE>& data)
{
    if (type == REG_DWORD && data.size() == sizeof(DWORD)) {
        DWORD value = 0;
        std::copy(data.begin(), data.end(), reinterpret_cast<BYTE*>(&value));
        return std::to_string(static_cast<int>(value));
    }
    if (type == REG_SZ) {
        std::string text(data.begin(), data.end());
        text.resize(std::min(text.size(), text.find('\0')));
        return "\"" + text + "\"";
    }
    std::string text = "?" + std::to_string(type) + ":";
    for (const BYTE byte : data) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", byte);
        text += hex;
    }
    return text;
}

// Calls visit(relative key, value name, type, data) for every value and
// visitKey(relative key) for every key below `path`, parents first.
template <class KeyVisit, class ValueVisit>
void Walk(const std::string& path, const std::string& relative, KeyVisit visitKey, ValueVisit visitValue)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    char name[16384];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name;
        DWORD type = 0;
        DWORD size = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        std::vector<BYTE> data(size);
        nameSize = sizeof name;
        RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data.data(), &size);
        data.resize(size);
        visitValue(relative, std::string(name), type, data);
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        const std::string child = relative + name + "\\";
        visitKey(child);
        Walk(path + "\\" + name, child, visitKey, visitValue);
    }
    RegCloseKey(key);
}

}  // namespace

std::vector<std::string> RegistryListing(const std::string& path)
{
    std::vector<std::string> entries;
    Walk(
        path, "", [&](const std::string& key) { entries.push_back(key); },
        [&](const std::string& key, const std::string& name, DWORD type, const std::vector<BYTE>& data) {
            entries.push_back(key + (name.empty() ? "@" : name) + "=" + DataText(type, data));
        });
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::string RegistryChanges(const std::vector<std::string>& before, const std::vector<std::string>& after)
{
    std::vector<std::string> added;
    std::vector<std::string> removed;
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(removed));
    std::string text;
    for (const std::string& entry : added)
        text += (text.empty() ? "+" : " +") + entry;
    for (const std::string& entry : removed)
        text += (text.empty() ? "-" : " -") + entry;
    return text;
}

RegistryKeyKeeper::RegistryKeyKeeper(std::string path) : m_path(std::move(path))
{
    HKEY key = nullptr;
    m_bExisted = RegOpenKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (key != nullptr)
        RegCloseKey(key);
    if (m_bExisted)
        Save("");
}

void RegistryKeyKeeper::Save(const std::string& relative)
{
    Walk(
        m_path, relative, [&](const std::string& key) { m_keys.push_back(key); },
        [&](const std::string& key, const std::string& name, DWORD type, const std::vector<BYTE>& data) {
            m_values.push_back({key, name, type, data});
        });
}

RegistryKeyKeeper::~RegistryKeyKeeper()
{
    SHDeleteKeyA(HKEY_CURRENT_USER, m_path.c_str());
    if (!m_bExisted)
        return;
    auto create = [this](std::string relative) {
        if (!relative.empty() && relative.back() == '\\')
            relative.pop_back();
        const std::string path = relative.empty() ? m_path : m_path + "\\" + relative;
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        return key;
    };
    if (const HKEY key = create(""))
        RegCloseKey(key);
    for (const std::string& relative : m_keys) {
        if (const HKEY key = create(relative))
            RegCloseKey(key);
    }
    for (const Value& value : m_values) {
        if (const HKEY key = create(value.key)) {
            RegSetValueExA(key, value.name.empty() ? nullptr : value.name.c_str(), 0, value.type, value.data.data(),
                           static_cast<DWORD>(value.data.size()));
            RegCloseKey(key);
        }
    }
}
