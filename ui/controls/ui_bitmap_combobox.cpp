#include "ui/controls/ui_bitmap_combobox.h"

IMPLEMENT_DYNAMIC(UIBitmapCombobox, UICombobox)
