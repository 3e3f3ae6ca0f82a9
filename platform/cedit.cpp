#include "platform/cedit.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

bool CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, "EDIT", nullptr, style | WS_CHILD, rect, parent, id);
}

void CEdit::SetSel(int start, int end, bool noScroll)
{
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
    if (!noScroll)
        SendMessage(EM_SCROLLCARET);
}

void CEdit::GetSel(int& start, int& end) const
{
    DWORD first = 0;
    DWORD last = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    start = static_cast<int>(first);
    end = static_cast<int>(last);
}

bool CEdit::SetReadOnly(bool readOnly) { return SendMessage(EM_SETREADONLY, readOnly) != 0; }
DWORD CEdit::GetMargins() const { return static_cast<DWORD>(SendMessage(EM_GETMARGINS)); }
