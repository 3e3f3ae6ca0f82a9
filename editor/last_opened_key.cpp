#include "editor/last_opened_key.h"

HKEY CLastOpenedKey::OpenForReading(const CString& path)
{
    if (m_bTried && m_strPath == path)
        return m_key;
    Close();
    m_strPath = path;
    m_bTried = true;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &m_key) != ERROR_SUCCESS)
        m_key = nullptr;
    return m_key;
}

void CLastOpenedKey::Close()
{
    if (m_key)
        RegCloseKey(m_key);
    m_key = nullptr;
    m_bTried = false;
}
