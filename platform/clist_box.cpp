#include "platform/clist_box.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

bool CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, "LISTBOX", nullptr, style | WS_CHILD, rect, parent, id);
}

int CListBox::AddString(const char* text)
{
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CListBox::GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
int CListBox::GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
int CListBox::SetCurSel(int index) { return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index))); }

CString CListBox::GetText(int index) const
{
    CString text;
    const int length = static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index)));
    if (length > 0) {
        char* buffer = text.GetBuffer(length + 1);
        const int copied = static_cast<int>(SendMessage(LB_GETTEXT, static_cast<WPARAM>(index),
                                                        reinterpret_cast<LPARAM>(buffer)));
        text.ReleaseBuffer(copied > 0 ? copied : 0);
    }
    return text;
}

int CListBox::GetItemRect(int index, RECT* rect) const
{
    return static_cast<int>(SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
}

UINT CListBox::ItemFromPoint(POINT point, bool& outside) const
{
    const auto answer = static_cast<DWORD>(SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y)));
    outside = HIWORD(answer) != 0;
    return LOWORD(answer);
}

int CListBox::FindStringExact(int start, const char* text) const
{
    return static_cast<int>(SendMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
}

DWORD_PTR CListBox::GetItemData(int index) const
{
    return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
}

int CListBox::SetItemData(int index, DWORD_PTR data)
{
    return static_cast<int>(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}

int CListBox::GetItemHeight(int index) const { return static_cast<int>(SendMessage(LB_GETITEMHEIGHT, static_cast<WPARAM>(index))); }

int CListBox::SetItemHeight(int index, int height)
{
    return static_cast<int>(SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), height));
}

void CListBox::ResetContent() { SendMessage(LB_RESETCONTENT); }
