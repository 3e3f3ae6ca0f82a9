#pragma once

#include "platform/cstring.h"

#include <windows.h>

#include <map>
#include <string>

// Small-icon indices of the system image list for the entries of the folders
// a tree reads. Asking the shell by path costs 5 to 15 ms a call under Wine;
// for a type whose icon does not depend on the file the index by type alone
// is the same, and is asked once per type for as long as the cache lives.
// Files with icons of their own (programs, shortcuts, icons, types with an
// icon handler or "%1" icons) and folders that may be customised are always
// asked by path.
class CShellIconCache {
public:
    // For an entry of a folder being read (path without a trailing
    // backslash, attributes as found); false when the shell has no icon.
    bool Lookup(const CString& path, DWORD attributes, int* image, int* selectedImage);

    // Both indices by path, the way a single item is inserted.
    static bool ByPath(const CString& path, int* image, int* selectedImage);

private:
    struct Indices {
        bool shared;  // same by type as by path: reuse for every entry of the type
        int image;
        int selectedImage;
    };
    static bool ByType(const CString& path, DWORD attributes, int* image, int* selectedImage);
    static bool TypeMayHaveOwnIcons(const std::string& extension);

    std::map<std::string, Indices> m_types;  // by lower-case extension; "\\" for folders
};
