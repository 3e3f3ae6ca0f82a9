#include "editor/last_opened_key.h"

HKEY CLastOpenedKey::OpenForReading(const CString& path)
{
    return Open(path, false);
}

HKEY CLastOpenedKey::CreateForWriting(const CString& path)
{
    return Open(path, true);
}

void CLastOpenedKey::Close()
{
    if (m_key)
        RegCloseKey(m_key);
    m_key = nullptr;
    m_bTried = false;
}

HKEY CLastOpenedKey::Open(const CString& path, bool forWriting)
{
    if (m_bTried && m_bForWriting == forWriting && m_strPath == path)
        return m_key;
    Close();
    m_strPath = path;
    m_bTried = true;
    m_bForWriting = forWriting;
    const LSTATUS opened =
        forWriting
            ? RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key, nullptr)
            : RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &m_key);
    if (opened != ERROR_SUCCESS)
        m_key = nullptr;
    return m_key;
}
