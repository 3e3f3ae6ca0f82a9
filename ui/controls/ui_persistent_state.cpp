#include "ui/controls/ui_persistent_state.h"

#include "platform/cwinapp.h"
#include "platform/cwnd.h"
#include "ui/dialogs/registered_messages.h"

namespace {
constexpr REGSAM kAccess = 0x2001F;  // read and write
constexpr DWORD kTextCapacity = 260;
const char kCompanyKey[] = "Software\\Tarnwick, Inc.";
const char kProductKey[] = "";  // no product between the company and the toolkit's keys
}  // namespace

bool UIPersistentState::Locate(const CWnd& control)
{
    const HWND parent = ::GetParent(control.GetSafeHwnd());
    if (parent == nullptr)
        return false;
    const auto dialogId = static_cast<int>(::SendMessageA(parent, UIRegisteredMessages().OnGetDialogId, 0, 0));
    if (dialogId == 0)
        return false;
    m_strValueName.Format("%s::%d::%d", AfxGetAppName().GetString(), dialogId, control.GetDlgCtrlID());
    m_strKeyPath = CString(kCompanyKey) + "\\" + kProductKey + "\\GUI\\Persistent controls\\" + m_pszStatesKey;
    m_key.Close();
    return true;
}

bool UIPersistentState::Query(DWORD* type, BYTE* data, DWORD* size)
{
    if (m_strValueName.IsEmpty() || m_key.Open(HKEY_CURRENT_USER, m_strKeyPath, kAccess) != ERROR_SUCCESS)
        return false;
    const bool read = m_key.m_key.Query(m_strValueName, data, size, type);
    m_key.Close();
    return read;
}

bool UIPersistentState::ReadText(CString* text)
{
    BYTE data[kTextCapacity] = {};
    DWORD size = sizeof data;
    DWORD type = 0;
    if (!Query(&type, data, &size) || (type != REG_SZ && type != REG_EXPAND_SZ) ||
        (size != 0 && data[size - 1] != '\0'))
        return false;
    *text = CString(reinterpret_cast<const char*>(data));
    return true;
}

bool UIPersistentState::ReadNumber(DWORD* value)
{
    DWORD data = 0;
    DWORD size = sizeof data;
    DWORD type = 0;
    if (!Query(&type, reinterpret_cast<BYTE*>(&data), &size) || type != REG_DWORD)
        return false;
    *value = data;
    return true;
}

bool UIPersistentState::Write(DWORD type, const BYTE* data, DWORD size)
{
    if (m_strValueName.IsEmpty())
        return false;
    if (m_key.Open(HKEY_CURRENT_USER, m_strKeyPath, kAccess) != ERROR_SUCCESS &&
        m_key.Create(HKEY_CURRENT_USER, m_strKeyPath, kAccess) != ERROR_SUCCESS)
        return false;
    const bool written = m_key.m_key.Set(m_strValueName, type, data, size);
    m_key.Close();
    return written;
}

bool UIPersistentState::WriteText(const CString& text)
{
    return Write(REG_SZ, reinterpret_cast<const BYTE*>(text.GetString()), static_cast<DWORD>(text.GetLength() + 1));
}

bool UIPersistentState::WriteNumber(DWORD value)
{
    return Write(REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}
