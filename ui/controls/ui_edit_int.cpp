#include "ui/controls/ui_edit_int.h"

IMPLEMENT_DYNAMIC(UIEditInt, UIEditInteger)
