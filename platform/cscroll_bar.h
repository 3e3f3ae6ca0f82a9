#pragma once

#include "platform/cwnd.h"

// Scroll bar control, also the size grip of a resizable window (SBS_SIZEGRIP).
class CScrollBar : public CWnd {
    DECLARE_DYNAMIC(CScrollBar)
public:
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
};
