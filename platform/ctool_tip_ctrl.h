#pragma once

#include "platform/cstring.h"
#include "platform/cwnd.h"

#include <commctrl.h>

// Tooltip control. Tools are windows (id 0: the whole window, by its handle)
// or rectangles of a window with an id of their own.
class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    bool Create(CWnd* parent, DWORD style = 0);
    // A null `rect` makes the whole window the tool; otherwise the rectangle
    // (client coordinates of `window`) with `toolId`.
    bool AddTool(CWnd* window, const char* text, const RECT* rect = nullptr, UINT_PTR toolId = 0);
    void DelTool(CWnd* window, UINT_PTR toolId = 0);
    void UpdateTipText(const char* text, CWnd* window, UINT_PTR toolId = 0);
    CString GetText(CWnd* window, UINT_PTR toolId = 0) const;
    int GetToolCount() const;
    void Activate(bool activate);
    // Hands a mouse message of a tool window to the tooltip.
    void RelayEvent(MSG* msg);
    int SetMaxTipWidth(int width);

private:
    TTTOOLINFOW ToolInfo(CWnd* window, UINT_PTR toolId) const;
};
