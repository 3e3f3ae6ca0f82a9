#pragma once

#include "platform/cwnd.h"

#include <commctrl.h>

// Tree view control. Item texts are narrow strings in the process code page.
//
// Assistive programs see the tree as an outline whose children are the items
// a user can reach by scrolling, in display order (the items under a
// collapsed item are not among them): each is named by its text, has its
// level (0 for a root item) as its value and reports whether it is
// selected, focused, expanded or collapsed.
class CTreeCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    CTreeCtrl();
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    HTREEITEM InsertItem(const char* text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(const char* text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(TVINSERTSTRUCTA* insert);
    bool DeleteItem(HTREEITEM item);
    bool DeleteAllItems();

    CString GetItemText(HTREEITEM item) const;
    bool SetItemText(HTREEITEM item, const char* text);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    bool SetItemData(HTREEITEM item, DWORD_PTR data);
    bool GetItem(TVITEMA* item) const;
    bool SetItem(TVITEMA* item);

    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetParentItem(HTREEITEM item) const;
    HTREEITEM GetSelectedItem() const;
    bool ItemHasChildren(HTREEITEM item) const;
    UINT GetCount() const;

    bool SelectItem(HTREEITEM item);
    bool Expand(HTREEITEM item, UINT code);
    bool EnsureVisible(HTREEITEM item);
    HTREEITEM HitTest(POINT point, UINT* flags = nullptr) const;
    HIMAGELIST SetImageList(HIMAGELIST images, int kind);

    HRESULT get_accChildCount(LONG* count) override;
    HRESULT get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT get_accName(VARIANT child, BSTR* name) override;
    HRESULT get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT get_accState(VARIANT child, VARIANT* state) override;
    HRESULT get_accValue(VARIANT child, BSTR* value) override;

private:
    // The item of an accessible child id (1: the first shown item); null for
    // CHILDID_SELF and for an id past the shown items.
    HTREEITEM ShownItem(const VARIANT& child) const;
};
