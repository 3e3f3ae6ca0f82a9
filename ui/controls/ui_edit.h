#pragma once

#include "platform/cbcgp_edit.h"
#include "platform/cdc.h"
#include "platform/cgdi_objects.h"
#include "ui/controls/ui_spin_button_ctrl.h"
#include "ui/dialogs/ui_data_tip.h"
#include "ui/dialogs/ui_font.h"

class UIValueEvaluator;

// The toolkit's single-line edit, base of every edit of the toolkit: a font
// object of its own that follows the fonts set on it, fixed colours for the
// enabled and disabled states, an optional data tip while the mouse rests on
// it, an optional buddy spin that is enabled and shown with it, and the slot
// of the value evaluator that numeric edits use.
class UIEdit : public CBCGPEdit {
    DECLARE_DYNAMIC(UIEdit)
public:
    UIEdit();
    ~UIEdit() override;

    // Creates the window and sets up the font object; false when either fails
    // (the window may then exist).
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) override;

    // The buddy spin: once its window exists it follows the edit's enabling and showing.
    UISpinButtonCtrl& GetBuddySpin() { return m_spinBuddy; }
    // Offers the data tip while the mouse rests on the edit and the focus is elsewhere.
    void EnableDataTip(bool enable = true);
    const UIDataTip& GetDataTip() const { return m_dataTip; }
    UIValueEvaluator* GetEvaluator() const { return m_pEvaluator; }
    void SetEvaluator(UIValueEvaluator* evaluator) { m_pEvaluator = evaluator; }
    const UIFont& GetFontObject() const { return m_font; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // The brush the edit is painted with (reflected WM_CTLCOLOR...); null
    // leaves the colours to the parent.
    virtual HBRUSH CtlColor(CDC& dc, UINT message);

    CBrush m_brHighlight;  // light yellow, for the numeric edits
    COLORREF m_crHighlight;
    UIValueEvaluator* m_pEvaluator = nullptr;

private:
    UISpinButtonCtrl m_spinBuddy;
    UIDataTip m_dataTip;
    bool m_bDataTipEnabled = false;
    bool m_bInFontChange = false;
    bool m_bFontReady = true;  // false while Create runs: Create sets up the font object itself
    bool m_bTipTracking = false;
    CBrush m_brFace;    // disabled background
    CBrush m_brWindow;  // enabled background
    UIFont m_font;
};
