#pragma once

#include "platform/cwnd.h"

// Combo box control.
class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int AddString(const char* text);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    CString GetLBText(int index) const;
    // Index of the first item, after `start` (-1: from the top), whose whole
    // text equals `text` ignoring case; CB_ERR when none does.
    int FindStringExact(int start, const char* text) const;
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    int GetDroppedWidth() const;
    int SetDroppedWidth(int width);
    // Index -1 is the selection field, any other the list items.
    int GetItemHeight(int index) const;
    int SetItemHeight(int index, int height);
    void ResetContent();
};
