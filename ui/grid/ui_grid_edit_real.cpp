#include "ui/grid/ui_grid_edit_real.h"

IMPLEMENT_DYNAMIC(UIGridEditReal, UIEditReal)
