#pragma once

#include "platform/cobarray.h"
#include "ui/grid/ui_grid_cell.h"

// The cells of one list item, in the order they were added. The row owns
// them: destroying it deletes every cell.
class UIGridRow : public CObject {
    DECLARE_DYNAMIC(UIGridRow)
public:
    UIGridRow() = default;
    ~UIGridRow() override;
    UIGridRow(const UIGridRow&) = delete;
    UIGridRow& operator=(const UIGridRow&) = delete;

    // Deletes every cell and empties the array.
    void DeleteCells();
    // The cell with this column, or null.
    UIGridCell* FindCell(int column) const;

    int m_nRow = -1;
    CTypedPtrArray<CObArray, UIGridCell*> m_cells;
};
