#include "platform/ctree_ctrl.h"

#include "platform/window_accessible.h"

#include <oleacc.h>

#include <string>

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

CTreeCtrl::CTreeCtrl()
{
    EnableActiveAccessibility();
}

bool CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, WC_TREEVIEWA, nullptr, style | WS_CHILD, rect, parent, id);
}

HTREEITEM CTreeCtrl::InsertItem(TVINSERTSTRUCTA* insert)
{
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(insert)));
}

HTREEITEM CTreeCtrl::InsertItem(const char* text, HTREEITEM parent, HTREEITEM after)
{
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text);
    return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(const char* text, int image, int selectedImage, HTREEITEM parent,
                                HTREEITEM after)
{
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    return InsertItem(&insert);
}

bool CTreeCtrl::DeleteItem(HTREEITEM item)
{
    return SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)) != 0;
}

bool CTreeCtrl::DeleteAllItems()
{
    return DeleteItem(TVI_ROOT);
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const
{
    // Grow the buffer until the text fits: the control truncates silently.
    for (int size = 260; size <= (1 << 20); size *= 4) {
        CString text;
        TVITEMA tv{};
        tv.mask = TVIF_TEXT;
        tv.hItem = item;
        tv.pszText = text.GetBuffer(size);
        tv.cchTextMax = size;
        if (!GetItem(&tv))
            return CString();
        text.ReleaseBuffer();
        if (text.GetLength() < size - 1)
            return text;
    }
    return CString();
}

bool CTreeCtrl::SetItemText(HTREEITEM item, const char* text)
{
    TVITEMA tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = const_cast<char*>(text);
    return SetItem(&tv);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const
{
    TVITEMA tv{};
    tv.mask = TVIF_PARAM;
    tv.hItem = item;
    return GetItem(&tv) ? static_cast<DWORD_PTR>(tv.lParam) : 0;
}

bool CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data)
{
    TVITEMA tv{};
    tv.mask = TVIF_PARAM;
    tv.hItem = item;
    tv.lParam = static_cast<LPARAM>(data);
    return SetItem(&tv);
}

bool CTreeCtrl::GetItem(TVITEMA* item) const
{
    return SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(item)) != 0;
}

bool CTreeCtrl::SetItem(TVITEMA* item)
{
    return SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(item)) != 0;
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const
{
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM CTreeCtrl::GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
HTREEITEM CTreeCtrl::GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }

bool CTreeCtrl::ItemHasChildren(HTREEITEM item) const
{
    TVITEMA tv{};
    tv.mask = TVIF_CHILDREN;
    tv.hItem = item;
    return GetItem(&tv) && tv.cChildren != 0;
}

UINT CTreeCtrl::GetCount() const { return static_cast<UINT>(SendMessage(TVM_GETCOUNT)); }

bool CTreeCtrl::SelectItem(HTREEITEM item)
{
    return SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
}

bool CTreeCtrl::Expand(HTREEITEM item, UINT code)
{
    return SendMessage(TVM_EXPAND, code, reinterpret_cast<LPARAM>(item)) != 0;
}

bool CTreeCtrl::EnsureVisible(HTREEITEM item)
{
    return SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item)) != 0;
}

HTREEITEM CTreeCtrl::HitTest(POINT point, UINT* flags) const
{
    TVHITTESTINFO hit{};
    hit.pt = point;
    const auto item = reinterpret_cast<HTREEITEM>(SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (flags != nullptr)
        *flags = hit.flags;
    return item;
}

HIMAGELIST CTreeCtrl::SetImageList(HIMAGELIST images, int kind)
{
    return reinterpret_cast<HIMAGELIST>(SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(kind),
                                                    reinterpret_cast<LPARAM>(images)));
}

HTREEITEM CTreeCtrl::ShownItem(const VARIANT& child) const
{
    if (child.vt != VT_I4 || child.lVal <= CHILDID_SELF)
        return nullptr;
    HTREEITEM item = GetRootItem();
    for (LONG position = 1; item != nullptr && position < child.lVal; ++position)
        item = GetNextItem(item, TVGN_NEXTVISIBLE);
    return item;
}

HRESULT CTreeCtrl::get_accChildCount(LONG* count)
{
    *count = 0;
    for (HTREEITEM item = GetRootItem(); item != nullptr; item = GetNextItem(item, TVGN_NEXTVISIBLE))
        ++*count;
    return S_OK;
}

HRESULT CTreeCtrl::get_accChild(VARIANT child, IDispatch** object)
{
    *object = nullptr;
    return ShownItem(child) != nullptr ? S_FALSE : E_INVALIDARG;  // items are simple elements
}

HRESULT CTreeCtrl::get_accName(VARIANT child, BSTR* name)
{
    if (child.vt == VT_I4 && child.lVal == CHILDID_SELF)
        return CWnd::get_accName(child, name);
    const HTREEITEM item = ShownItem(child);
    return item != nullptr ? AccessibleText(GetItemText(item), name) : E_INVALIDARG;
}

HRESULT CTreeCtrl::get_accRole(VARIANT child, VARIANT* role)
{
    if (child.vt == VT_I4 && child.lVal == CHILDID_SELF)
        return AccessibleNumber(ROLE_SYSTEM_OUTLINE, role);
    return ShownItem(child) != nullptr ? AccessibleNumber(ROLE_SYSTEM_OUTLINEITEM, role) : E_INVALIDARG;
}

HRESULT CTreeCtrl::get_accState(VARIANT child, VARIANT* state)
{
    if (child.vt == VT_I4 && child.lVal == CHILDID_SELF)
        return CWnd::get_accState(child, state);
    TVITEMA tv{};
    tv.mask = TVIF_STATE | TVIF_CHILDREN;
    tv.stateMask = TVIS_SELECTED | TVIS_EXPANDED;
    tv.hItem = ShownItem(child);
    if (tv.hItem == nullptr || !GetItem(&tv))
        return E_INVALIDARG;
    LONG flags = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if ((tv.state & TVIS_SELECTED) != 0) {
        flags |= STATE_SYSTEM_SELECTED;
        if (::GetFocus() == m_hWnd)
            flags |= STATE_SYSTEM_FOCUSED;
    }
    if (tv.cChildren != 0)
        flags |= (tv.state & TVIS_EXPANDED) != 0 ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED;
    return AccessibleNumber(flags, state);
}

HRESULT CTreeCtrl::get_accValue(VARIANT child, BSTR* value)
{
    if (child.vt == VT_I4 && child.lVal == CHILDID_SELF)
        return CWnd::get_accValue(child, value);
    HTREEITEM item = ShownItem(child);
    if (item == nullptr)
        return E_INVALIDARG;
    int level = 0;
    while ((item = GetParentItem(item)) != nullptr)
        ++level;
    return AccessibleText(std::to_string(level).c_str(), value);
}
