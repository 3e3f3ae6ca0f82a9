#include "ui/controls/ui_menu_button.h"

IMPLEMENT_DYNAMIC(UIMenuButton, UIBitmapButton)
