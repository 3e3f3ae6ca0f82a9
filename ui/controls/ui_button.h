#pragma once

#include "platform/cbcgp_button.h"
#include "ui/dialogs/ui_font.h"

// The toolkit's button: a font object of its own, and accessibility answers
// that name its kind (push button, check box, radio button) and, for check
// boxes and radio buttons, whether it is checked.
class UIButton : public CBCGPButton {
    DECLARE_DYNAMIC(UIButton)
public:
    UIButton();

    HRESULT get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT get_accState(VARIANT child, VARIANT* state) override;
    const UIFont& GetFontObject() const { return m_font; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    UIFont m_font;
    bool m_bInFontChange = false;
};
