#pragma once

#include "platform/cwnd.h"

#include <commctrl.h>

// Tab control.
class CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)
public:
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Index of the new tab, or -1.
    int InsertItem(int index, const char* text);
    int GetItemCount() const;
    // The tab's rectangle in the control's client coordinates.
    bool GetItemRect(int index, RECT* rect) const;
    int GetCurSel() const;
    int SetCurSel(int index);
};
