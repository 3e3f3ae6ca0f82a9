#include "ui/grid/ui_grid_cell.h"

IMPLEMENT_DYNAMIC(UIGridCell, CObject)
