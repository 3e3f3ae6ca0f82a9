#pragma once

#include "platform/cwnd.h"

#include <commctrl.h>

// Tree view control. Item texts are narrow strings in the process code page.
class CTreeCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeCtrl)
public:
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
};
