#include "ui/controls/ui_bitmap_checkbox.h"

IMPLEMENT_DYNAMIC(UIBitmapCheckbox, UIBitmapButton)
