#include "ui/controls/ui_bitmap_radio_button.h"

IMPLEMENT_DYNAMIC(UIBitmapRadioButton, UIBitmapButton)
