#pragma once

#include "platform/cwnd.h"

// Push button, check box or radio button.
class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    bool Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int GetCheck() const;
    void SetCheck(int check);
    UINT GetState() const;
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, bool redraw = true);
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
    HICON SetIcon(HICON icon);
};
