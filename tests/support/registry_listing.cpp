#include "tests/support/registry_listing.h"

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <utility>

namespace {

const char kCopyParent[] = "Software\\KacTests";
const char kCopy[] = "Software\\KacTests\\Kept";

// False when `from` does not exist.
bool CopyTree(const char* from, const char* to)
{
    HKEY source = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, from, 0, KEY_READ, &source) != ERROR_SUCCESS)
        return false;
    HKEY target = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, to, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target, nullptr) ==
        ERROR_SUCCESS) {
        RegCopyTreeA(source, nullptr, target);
        RegCloseKey(target);
    }
    RegCloseKey(source);
    return true;
}

void ListKey(const std::string& path, const std::string& shown, std::vector<std::string>* entries)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name;
        DWORD type = 0;
        DWORD data = 0;
        DWORD size = sizeof data;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) ==
            ERROR_NO_MORE_ITEMS)
            break;
        entries->push_back(shown + (*name ? name : "@") + "=" +
                           (type == REG_DWORD ? std::to_string(static_cast<int>(data)) : "?"));
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        entries->push_back(shown + name + "\\");
        ListKey(path + "\\" + name, shown + name + "\\", entries);
    }
    RegCloseKey(key);
}

}  // namespace

std::vector<std::string> RegistryListing(const std::string& path)
{
    std::vector<std::string> entries;
    ListKey(path, "", &entries);
    std::sort(entries.begin(), entries.end());
    return entries;
}

RegistryKeyKeeper::RegistryKeyKeeper(std::string path) : m_path(std::move(path))
{
    SHDeleteKeyA(HKEY_CURRENT_USER, kCopy);
    m_bExisted = CopyTree(m_path.c_str(), kCopy);
}

RegistryKeyKeeper::~RegistryKeyKeeper()
{
    SHDeleteKeyA(HKEY_CURRENT_USER, m_path.c_str());
    if (m_bExisted)
        CopyTree(kCopy, m_path.c_str());
    SHDeleteKeyA(HKEY_CURRENT_USER, kCopy);
    RegDeleteKeyA(HKEY_CURRENT_USER, kCopyParent);  // only when nothing else is left in it
}
