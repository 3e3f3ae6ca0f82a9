#include "ui/controls/ui_edit_long.h"

IMPLEMENT_DYNAMIC(UIEditLong, UIEditInteger)
