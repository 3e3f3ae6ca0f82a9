#pragma once

#include "platform/carray.h"
#include "platform/cbcgp_dialog.h"
#include "platform/cgdi_objects.h"
#include "platform/cobarray.h"
#include "platform/crect.h"
#include "platform/cscroll_bar.h"
#include "ui/dialogs/cresizer.h"
#include "ui/dialogs/dialog_button.h"
#include "ui/dialogs/ui_font.h"

// The toolkit's dialog base. Every dialog built on it gets one font for
// itself and its direct children, image buttons in place of the plain OK,
// Cancel, Apply and Help buttons, and a solid button-face background. A
// resizable dialog (WS_THICKFRAME) also gets a size grip and lays its
// controls out by rule (CResizer) whenever its size changes; a dialog made
// as a child beside a tab control places itself as the tab's page. A
// top-level dialog keeps its DPI (WindowDpi) and, when it moves to a screen
// of another DPI, scales itself once: its font, its layout rules, its
// minimum size and what its windows scale of their own (DpiChangedMessage).
class UIDialog : public CBCGPDialog {
    DECLARE_DYNAMIC(UIDialog)
public:
    // What every UIDialog answers to WM_USER.
    static constexpr LRESULT kSignature = 0x534B0001;

    explicit UIDialog(UINT templateId, CWnd* parent = nullptr);
    ~UIDialog() override;

    // When set, the dialog cannot be made smaller than its first size.
    void SetLimitMinimumSize(bool limit) { m_bLimitMinimumSize = limit; }
    const UIFont& GetFontObject() const { return m_font; }
    CResizer& GetResizer() { return m_resizer; }
    // Which buttons become image buttons, and with which bitmap; filled
    // with the four standard buttons at construction.
    CArray<DIALOG_BUTTON>& GetButtonList() { return m_arrButtons; }

protected:
    // Stores the first window rectangle; a derived dialog sets its layout
    // rules here (GetResizer().SetLayout), before OnInitDialog.
    void PreInitDialog() override;
    bool OnInitDialog() override;
    // Follows the template's font (and any other given to the dialog) with
    // the dialog's own font object, applied to its children.
    void OnSetFont(HFONT font) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    int m_nConvertButtons = 1;  // 1: OnInitDialog turns the listed buttons into image buttons
    bool m_bLimitMinimumSize = false;
    CRect m_rcFirstWindow;

private:
    void PlaceBesideTabControl();
    void ConvertButtons();
    void OnSize();
    void DisableSystemDpiScaling();
    // WM_DPICHANGED: the new DPI and the rectangle the system suggests.
    void OnDpiChanged(UINT newDpi, const RECT* suggested);
    void ScaleForDpi(UINT newDpi, UINT oldDpi);

    UIFont m_font;
    CScrollBar m_sizeGrip;
    CResizer m_resizer;
    CBrush m_brBackground;
    CArray<DIALOG_BUTTON> m_arrButtons;
    CObArray m_arrCreatedButtons;  // owned
    HINSTANCE m_hResourceModule;
    bool m_bIsTabPage = false;
    bool m_bInFontChange = false;  // while the dialog re-applies its own font
    // At the DPI before the first DPI change (0: none yet): what later changes scale from.
    UINT m_nFirstDpi = 0;
    CSize m_firstWindowSize;
    CSize m_firstFontSize;  // the font's width and height
};
