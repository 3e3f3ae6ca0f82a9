#include "tests/support/registry_listing.h"

#include <windows.h>

#include <algorithm>

namespace {

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
