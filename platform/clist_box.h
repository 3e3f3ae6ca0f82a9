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
    int GetItemRect(int index, RECT* rect) const;
    // The item nearest the point (client coordinates); `outside` is set when
    // the point lies outside the client area or below the last item.
    UINT ItemFromPoint(POINT point, bool& outside) const;
};
