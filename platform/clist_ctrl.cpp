#include "platform/clist_ctrl.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace {
constexpr int kTextCapacity = 1024;
}

bool CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, WC_LISTVIEWA, nullptr, style | WS_CHILD, rect, parent, id);
}

int CListCtrl::GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }

int CListCtrl::InsertItem(int index, const char* text)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>(text);
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool CListCtrl::DeleteItem(int index) { return SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(index)) != 0; }
bool CListCtrl::DeleteAllItems() { return SendMessage(LVM_DELETEALLITEMS) != 0; }

CString CListCtrl::GetItemText(int index, int subItem) const
{
    CString text;
    LVITEMA item{};
    item.iSubItem = subItem;
    item.pszText = text.GetBuffer(kTextCapacity);
    item.cchTextMax = kTextCapacity;
    const int length = static_cast<int>(
        SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
    text.ReleaseBuffer(length);
    return text;
}

bool CListCtrl::SetItemText(int index, int subItem, const char* text)
{
    LVITEMA item{};
    item.iSubItem = subItem;
    item.pszText = const_cast<char*>(text);
    return SendMessage(LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != 0;
}

DWORD_PTR CListCtrl::GetItemData(int index) const
{
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) == 0)
        return 0;
    return static_cast<DWORD_PTR>(item.lParam);
}

bool CListCtrl::SetItemData(int index, DWORD_PTR data)
{
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    item.lParam = static_cast<LPARAM>(data);
    return SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != 0;
}

bool CListCtrl::SetItemState(int index, UINT state, UINT mask)
{
    LVITEMA item{};
    item.state = state;
    item.stateMask = mask;
    return SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != 0;
}

int CListCtrl::GetNextItem(int start, UINT flags) const
{
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
}

UINT CListCtrl::GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }

int CListCtrl::InsertColumn(int index, const char* heading, int format, int width)
{
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = format;
    column.pszText = const_cast<char*>(heading != nullptr ? heading : "");
    column.iSubItem = index;
    if (width >= 0) {
        column.mask |= LVCF_WIDTH;
        column.cx = width;
    }
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

int CListCtrl::GetColumnWidth(int column) const
{
    return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
}

bool CListCtrl::SetColumnWidth(int column, int width)
{
    return SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)) != 0;
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const
{
    m_header.m_hWnd = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    return m_header.m_hWnd != nullptr ? &m_header : nullptr;
}

int CListCtrl::GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }
int CListCtrl::GetCountPerPage() const { return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE)); }

bool CListCtrl::GetItemRect(int index, RECT* rect, UINT code) const
{
    rect->left = static_cast<LONG>(code);
    return SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)) != 0;
}

bool CListCtrl::GetSubItemRect(int index, int subItem, UINT code, RECT* rect) const
{
    rect->top = subItem;
    rect->left = static_cast<LONG>(code);
    return SendMessage(LVM_GETSUBITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)) != 0;
}

int CListCtrl::SubItemHitTest(LVHITTESTINFO* hit) const
{
    return static_cast<int>(SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(hit)));
}

DWORD CListCtrl::GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }

DWORD CListCtrl::SetExtendedStyle(DWORD exStyle)
{
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(exStyle)));
}

HIMAGELIST CListCtrl::SetImageList(HIMAGELIST images, int kind)
{
    return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(images)));
}
