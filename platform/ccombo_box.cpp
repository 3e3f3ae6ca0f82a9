#include "platform/ccombo_box.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

bool CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, "COMBOBOX", nullptr, style | WS_CHILD, rect, parent, id);
}

int CComboBox::AddString(const char* text)
{
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CComboBox::GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
int CComboBox::SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }

CString CComboBox::GetLBText(int index) const
{
    CString text;
    const int length = static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
    if (length > 0) {
        char* buffer = text.GetBuffer(length + 1);
        const int copied = static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index),
                                                        reinterpret_cast<LPARAM>(buffer)));
        text.ReleaseBuffer(copied > 0 ? copied : 0);
    }
    return text;
}

int CComboBox::FindStringExact(int start, const char* text) const
{
    return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
}

DWORD_PTR CComboBox::GetItemData(int index) const
{
    return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
}

int CComboBox::SetItemData(int index, DWORD_PTR data)
{
    return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}

int CComboBox::GetDroppedWidth() const { return static_cast<int>(SendMessage(CB_GETDROPPEDWIDTH)); }
int CComboBox::SetDroppedWidth(int width) { return static_cast<int>(SendMessage(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width))); }
int CComboBox::GetItemHeight(int index) const { return static_cast<int>(SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(index))); }

int CComboBox::SetItemHeight(int index, int height)
{
    return static_cast<int>(SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(index), height));
}

void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }
