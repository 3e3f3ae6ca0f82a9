#include "components/shell_icon_cache.h"

#include "components/trailing_backslash.h"
#include "platform/registry_key.h"

#include <shellapi.h>

#include <algorithm>
#include <cctype>

namespace {

bool SmallIcon(const char* path, DWORD attributes, UINT flags, int* index)
{
    SHFILEINFOA info{};
    if (SHGetFileInfoA(path, attributes, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | flags) == 0)
        return false;
    *index = info.iIcon;
    return true;
}

std::string Extension(const CString& path)
{
    const int slash = path.ReverseFind('\\');
    const int dot = path.ReverseFind('.');
    if (dot <= slash)
        return ".";
    std::string extension = path.Mid(dot).str();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return extension;
}

// The unnamed value of a key of HKEY_CLASSES_ROOT; empty when it is missing.
std::string RegistryDefault(const std::string& key)
{
    char value[512] = {};
    DWORD size = sizeof value - 1;
    if (!RegistryKey::Open(HKEY_CLASSES_ROOT, key.c_str()).Query(nullptr, value, &size))
        return {};
    return value;
}

bool RegistryKeyExists(const std::string& key)
{
    return static_cast<bool>(RegistryKey::Open(HKEY_CLASSES_ROOT, key.c_str()));
}

}  // namespace

bool CShellIconCache::ByPath(const CString& path, int* image, int* selectedImage)
{
    // Asked with a trailing backslash, drives, folders and files alike.
    const CString asked = WithTrailingBackslash(path);
    return SmallIcon(asked, 0, 0, image) && SmallIcon(asked, 0, SHGFI_OPENICON, selectedImage);
}

bool CShellIconCache::ByType(const CString& path, DWORD attributes, int* image, int* selectedImage)
{
    return SmallIcon(path, attributes, SHGFI_USEFILEATTRIBUTES, image) &&
           SmallIcon(path, attributes, SHGFI_USEFILEATTRIBUTES | SHGFI_OPENICON, selectedImage);
}

bool CShellIconCache::TypeMayHaveOwnIcons(const std::string& extension)
{
    static const char* const kOwnIcons[] = {".exe", ".lnk", ".url", ".pif", ".scf", ".ico", ".cur", ".ani", ".msc"};
    for (const char* own : kOwnIcons)
        if (extension == own)
            return true;
    if (extension == ".")
        return false;
    const std::string type = RegistryDefault(extension);
    if (type.empty())
        return false;
    return RegistryDefault(type + "\\DefaultIcon").find("%1") != std::string::npos ||
           RegistryKeyExists(type + "\\shellex\\IconHandler") || RegistryKeyExists(extension + "\\shellex\\IconHandler");
}

bool CShellIconCache::Lookup(const CString& path, DWORD attributes, int* image, int* selectedImage)
{
    const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    // A read-only or system folder may carry a desktop.ini of its own.
    if (folder && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM)) != 0)
        return ByPath(path, image, selectedImage);
    const std::string type = folder ? "\\" : Extension(path);
    const auto known = m_types.find(type);
    if (known != m_types.end()) {
        if (!known->second.shared)
            return ByPath(path, image, selectedImage);
        *image = known->second.image;
        *selectedImage = known->second.selectedImage;
        return true;
    }
    if (!ByPath(path, image, selectedImage))
        return false;
    int typeImage = 0;
    int typeSelected = 0;
    // A folder that cannot be customised has the plain folder's icons; the
    // shell may not tell the open one by type, so the closed one decides.
    const bool shared = (folder || !TypeMayHaveOwnIcons(type)) &&
                        ByType(path, attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_NORMAL), &typeImage,
                               &typeSelected) &&
                        typeImage == *image && (folder || typeSelected == *selectedImage);
    m_types[type] = {shared, *image, *selectedImage};
    return true;
}
