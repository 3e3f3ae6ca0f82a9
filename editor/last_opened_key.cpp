#include "editor/last_opened_key.h"

const RegistryKey& CLastOpenedKey::OpenForReading(const CString& path)
{
    return Open(path, false);
}

const RegistryKey& CLastOpenedKey::CreateForWriting(const CString& path)
{
    return Open(path, true);
}

void CLastOpenedKey::Close()
{
    m_key.Close();
    m_bTried = false;
}

const RegistryKey& CLastOpenedKey::Open(const CString& path, bool forWriting)
{
    if (m_bTried && m_bForWriting == forWriting && m_strPath == path)
        return m_key;
    Close();
    m_strPath = path;
    m_bTried = true;
    m_bForWriting = forWriting;
    m_key = forWriting ? RegistryKey::Create(HKEY_CURRENT_USER, path) : RegistryKey::Open(HKEY_CURRENT_USER, path);
    return m_key;
}
