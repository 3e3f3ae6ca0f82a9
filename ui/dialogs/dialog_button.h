#pragma once

#include <windows.h>

// One button of a dialog that gets an image: the bitmap resource (its low 16
// bits are the resource number), the button's control id and the module
// that holds the resource.
struct DIALOG_BUTTON {
    UINT m_nResourceId;
    UINT m_nControlId;
    HINSTANCE m_hModule;
};

// The standard buttons of a dialog and their images, in the order a dialog
// lists them: OK, Cancel, Apply, Help.
struct UIStandardDialogButton {
    UINT m_nControlId;
    UINT m_nResourceId;
};
inline constexpr UIStandardDialogButton kStandardDialogButtons[] = {
    {IDOK, 7003},
    {IDCANCEL, 7005},
    {12321, 7004},  // Apply
    {IDHELP, 7006},
};

inline bool IsStandardDialogButton(int controlId)
{
    for (const UIStandardDialogButton& button : kStandardDialogButtons) {
        if (static_cast<int>(button.m_nControlId) == controlId)
            return true;
    }
    return false;
}
