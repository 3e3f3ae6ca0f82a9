#include "ui/grid/ui_grid_edit_int.h"

IMPLEMENT_DYNAMIC(UIGridEditInt, UIEditInt)
