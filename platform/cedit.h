#pragma once

#include "platform/cwnd.h"

// Edit control.
class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    virtual bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Selects from `start` to `end` (0, -1: everything) and scrolls the
    // caret into view unless told not to.
    void SetSel(int start, int end, bool noScroll = false);
    void GetSel(int& start, int& end) const;
    bool SetReadOnly(bool readOnly = true);
    // Left margin in the low word, right margin in the high word.
    DWORD GetMargins() const;
};
