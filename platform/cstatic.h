#pragma once

#include "platform/cwnd.h"

// Static text, icon or picture control.
class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    bool Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
};
