#pragma once

#include "platform/cwnd.h"

// List box control.
class CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int AddString(const char* text);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    CString GetText(int index) const;
    // Index of the first item, after `start` (-1: from the top), whose whole
    // text equals `text` ignoring case; LB_ERR when none does.
    int FindStringExact(int start, const char* text) const;
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    int GetItemHeight(int index) const;
    int SetItemHeight(int index, int height);
    void ResetContent();
    int GetItemRect(int index, RECT* rect) const;
    // The item nearest the point (client coordinates); `outside` is set when
    // the point lies outside the client area or below the last item.
    UINT ItemFromPoint(POINT point, bool& outside) const;
};
