#include "ui/grid/ui_grid_edit_long.h"

IMPLEMENT_DYNAMIC(UIGridEditLong, UIEditLong)
