#pragma once

#include "platform/cstring.h"
#include "platform/registry_key.h"

// The registry key below HKEY_CURRENT_USER that the value store opened last,
// kept open so that attributes in a row that share a key open it once. A
// failed open is kept too: nothing the store does between two attributes
// with the same key changes that key, except deleting keys, and the store
// closes what is kept before it deletes. Whatever is kept is closed when
// another path or access is asked for, by Close and at the end of the pass.
class CLastOpenedKey {
public:
    // The key at path opened for reading; closed when it cannot be opened.
    const RegistryKey& OpenForReading(const CString& path);
    // The key at path created (with any missing keys along it) or opened
    // with full access; closed when that fails.
    const RegistryKey& CreateForWriting(const CString& path);
    void Close();

private:
    const RegistryKey& Open(const CString& path, bool forWriting);

    CString m_strPath;
    bool m_bTried = false;
    bool m_bForWriting = false;
    RegistryKey m_key;
};
