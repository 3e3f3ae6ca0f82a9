#include "tests/support/registry_listing.h"

#include "platform/registry_key.h"

#include <shlwapi.h>

#include <algorithm>
#include <utility>

namespace {

const char kCopyParent[] = "Software\\KacTests";
const char kCopy[] = "Software\\KacTests\\Kept";

// False when `from` does not exist.
bool CopyTree(const char* from, const char* to)
{
    const RegistryKey source = RegistryKey::Open(HKEY_CURRENT_USER, from);
    if (!source)
        return false;
    if (const RegistryKey target = RegistryKey::Create(HKEY_CURRENT_USER, to))
        RegCopyTreeA(source.Handle(), nullptr, target.Handle());
    return true;
}

void ListKey(const std::string& path, const std::string& shown, std::vector<std::string>* entries)
{
    const RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, path.c_str());
    std::string name;
    DWORD type = 0;
    for (DWORD i = 0; key.ValueAt(i, &name, &type); ++i) {
        DWORD data = 0;
        entries->push_back(shown + (name.empty() ? "@" : name) + "=" +
                           (type == REG_DWORD && key.QueryDword(name.c_str(), &data)
                                ? std::to_string(static_cast<int>(data))
                                : "?"));
    }
    for (DWORD i = 0; key.SubKeyAt(i, &name); ++i) {
        entries->push_back(shown + name + "\\");
        ListKey(path + "\\" + name, shown + name + "\\", entries);
    }
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
