#pragma once

#include "platform/cbcgp_list_box.h"
#include "platform/ctool_tip_ctrl.h"
#include "ui/dialogs/ui_data_tip.h"
#include "ui/dialogs/ui_font.h"

// The toolkit's list box: a font object of its own, an ordinary tooltip, and
// a data tip that an owner can switch on in its place, which shows the full
// text of a cut-off item while the mouse rests on it.
class UIListbox : public CBCGPListBox {
    DECLARE_DYNAMIC(UIListbox)
public:
    // Text of the ordinary tooltip, set before the window is made or attached.
    CString m_strTooltipText;

    // Switches the mouse-rest data tip on; the ordinary tooltip's window goes.
    void EnableDataTip();
    bool IsDataTipEnabled() const { return m_bDataTipEnabled; }
    // Hides the data tip when it is enabled and has a window.
    void HideDataTip();
    const UIDataTip& GetDataTip() const { return m_dataTip; }
    const CToolTipCtrl& GetToolTip() const { return m_toolTip; }
    const UIFont& GetFontObject() const { return m_font; }

    bool PreTranslateMessage(MSG* msg) override;

protected:
    // Attachment to an existing window sets up the tooltip (tool 1 over the
    // client area) and the font object; creation does so in WM_CREATE.
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    UIFont m_font;
    CToolTipCtrl m_toolTip;
    UIDataTip m_dataTip;
    bool m_bDataTipEnabled = false;
};
