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
};
