#pragma once

#include "platform/cheader_ctrl.h"
#include "platform/cstring.h"
#include "platform/cwnd.h"

#include <commctrl.h>

// List view control. Item texts are narrow strings in the process code page.
class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetItemCount() const;
    // Index of the new item, or -1.
    int InsertItem(int index, const char* text);
    bool DeleteItem(int index);
    bool DeleteAllItems();
    CString GetItemText(int index, int subItem) const;
    bool SetItemText(int index, int subItem, const char* text);
    DWORD_PTR GetItemData(int index) const;
    bool SetItemData(int index, DWORD_PTR data);
    bool SetItemState(int index, UINT state, UINT mask);
    // From `start` (-1: the first item) the next item with the LVNI_ flags, or -1.
    int GetNextItem(int start, UINT flags) const;
    UINT GetSelectedCount() const;

    // Index of the new column, or -1.
    int InsertColumn(int index, const char* heading, int format = LVCFMT_LEFT, int width = -1);
    int GetColumnWidth(int column) const;
    bool SetColumnWidth(int column, int width);
    // The header, as a wrapper that is not bound: it receives no messages
    // and leaves the header free to be bound by others.
    CHeaderCtrl* GetHeaderCtrl() const;

    int GetTopIndex() const;
    int GetCountPerPage() const;
    // Client coordinates; `code` is LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL or LVIR_SELECTBOUNDS.
    bool GetItemRect(int index, RECT* rect, UINT code) const;
    bool GetSubItemRect(int index, int subItem, UINT code, RECT* rect) const;
    // Item under hit->pt, with hit->iSubItem; -1 when none.
    int SubItemHitTest(LVHITTESTINFO* hit) const;

    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD exStyle);
    HIMAGELIST SetImageList(HIMAGELIST images, int kind);

private:
    mutable CHeaderCtrl m_header;
};
