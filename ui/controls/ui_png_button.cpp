#include "ui/controls/ui_png_button.h"

IMPLEMENT_DYNAMIC(UIPNGButton, CBCGPButton)

void UIPNGButton::PreSubclassWindow()
{
    if ((GetStyle() & BS_TYPEMASK) != BS_OWNERDRAW)
        ModifyStyle(0, BS_OWNERDRAW);
    CBCGPButton::PreSubclassWindow();
}
