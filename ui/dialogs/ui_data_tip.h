#pragma once

#include "platform/cobject.h"
#include "platform/cstring.h"

#include <windows.h>
#include <commctrl.h>

class CWnd;

// A tracking tooltip that shows, at its owner control, the full text of the
// control, list item or grid cell under the mouse when that text is cut off.
// Copies refer to the same tooltip window. The tooltip is a window owned by
// the owner control and goes with it.
class UIDataTip : public CObject {
    DECLARE_DYNAMIC(UIDataTip)
public:
    UIDataTip();
    UIDataTip(const UIDataTip& other);
    UIDataTip& operator=(const UIDataTip& other);
    ~UIDataTip() override;

    // Creates the (hidden) tooltip window; false only without an owner.
    bool Create(CWnd* owner);
    // Shows the tip when the text under `point` (owner's client coordinates)
    // does not fit, hides it otherwise; true when it is now shown.
    bool Track(POINT point);

    HWND GetTipWindow() const { return m_hWndTip; }
    CWnd* GetOwner() const { return m_pOwner; }
    const TTTOOLINFOA& GetToolInfo() const { return m_toolInfo; }

protected:
    // Shows or hides the tip at its tracking position.
    void Activate(bool show);
    void SetColors(int textColorIndex, int backgroundColorIndex);
    void SetTipText(const CString& text);

    CWnd* m_pOwner = nullptr;
    TTTOOLINFOA m_toolInfo;
    HWND m_hWndTip = nullptr;

private:
    CString m_strTipText;  // what m_toolInfo.lpszText points to
};
