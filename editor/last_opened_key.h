#pragma once

#include "platform/cstring.h"

#include <windows.h>

// The registry key below HKEY_CURRENT_USER that the value store opened last
// for reading, kept open so that attributes in a row that share a key open it
// once. A failed open is kept too: reading creates no key, so within one pass
// the same path would fail again. Whatever is kept is closed when another
// path is asked for and at the end of the pass.
class CLastOpenedKey {
public:
    CLastOpenedKey() = default;
    CLastOpenedKey(const CLastOpenedKey&) = delete;
    CLastOpenedKey& operator=(const CLastOpenedKey&) = delete;
    ~CLastOpenedKey() { Close(); }

    // The key at path opened for reading; nullptr when it cannot be opened.
    HKEY OpenForReading(const CString& path);

private:
    void Close();

    CString m_strPath;
    bool m_bTried = false;
    HKEY m_key = nullptr;
};
