#pragma once

#include "platform/cwnd.h"

#include <commctrl.h>

// Header control (the column header of a report-view list control).
class CHeaderCtrl : public CWnd {
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    int GetItemCount() const;
    bool GetItemRect(int index, RECT* rect) const;
};
