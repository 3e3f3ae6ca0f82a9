#pragma once

#include "platform/cbcgp_combo_box.h"
#include "platform/cgdi_objects.h"
#include "platform/clist_box.h"
#include "platform/ctool_tip_ctrl.h"
#include "ui/controls/ui_edit.h"
#include "ui/controls/ui_spin_button_ctrl.h"
#include "ui/dialogs/ui_data_tip.h"
#include "ui/dialogs/ui_font.h"

#include <memory>

// The toolkit's combo box: a font object of its own that follows the fonts
// set on it, an ordinary tooltip, and a data tip that an owner can switch on
// in its place. It takes over its edit field and drop-down list (so they get
// the toolkit's colours and its font), sizes the drop-down list to its items,
// and, while a drop-down list with a selection is disabled, shows the
// selection in a read-only overlay edit.
class UICombobox : public CBCGPComboBox {
    DECLARE_DYNAMIC(UICombobox)
public:
    // Control id of the overlay shown while a drop-down list is disabled.
    static constexpr UINT kDisabledTextId = 0x1000;

    UICombobox();
    ~UICombobox() override;

    // Text of the ordinary tooltip, set before the window is made or attached.
    CString m_strTooltipText;
    // When 0, left clicks and double clicks are swallowed.
    BOOL m_bClicksEnabled = TRUE;

    // Switches the mouse-rest data tip on; the ordinary tooltip's window goes.
    void EnableDataTip();
    bool IsDataTipEnabled() const { return m_bDataTipEnabled; }
    // Hides the data tip when it is enabled and has a window.
    void HideDataTip();
    const UIDataTip& GetDataTip() const { return m_dataTip; }
    const CToolTipCtrl& GetToolTip() const { return m_toolTip; }

    // The taken-over edit field and drop-down list: attached on their first
    // colour request, detached when the combo box is destroyed.
    UIEdit& GetInnerEdit() { return m_innerEdit; }
    CListBox& GetInnerList() { return m_innerList; }
    // Once its window exists, the spin is enabled and shown with the combo box.
    UISpinButtonCtrl& GetSpin() { return m_spin; }
    const UIFont& GetFontObject() const { return m_font; }

    bool PreTranslateMessage(MSG* msg) override;

protected:
    // Attachment to an existing window sets up the tooltip; creation does so in WM_CREATE.
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    void OnEnable(bool enable);
    void TakeOverChild(UINT message, HWND child);
    HFONT ChildFont();
    void SizeDropDown();

    UIFont m_font;
    UIDataTip m_dataTip;
    UIEdit m_innerEdit;
    std::unique_ptr<UIEdit> m_pDisabledText;
    CListBox m_innerList;
    CToolTipCtrl m_toolTip;
    UISpinButtonCtrl m_spin;
    CFont m_childFont;  // made once from the font object's description
    bool m_bDataTipEnabled = false;
    bool m_bInFontChange = false;
};
