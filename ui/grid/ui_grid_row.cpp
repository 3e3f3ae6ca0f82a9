#include "ui/grid/ui_grid_row.h"

IMPLEMENT_DYNAMIC(UIGridRow, CObject)

UIGridRow::~UIGridRow()
{
    DeleteCells();
}

void UIGridRow::DeleteCells()
{
    for (int i = 0; i < m_cells.GetSize(); ++i)
        delete m_cells[i];
    m_cells.RemoveAll();
}

UIGridCell* UIGridRow::FindCell(int column) const
{
    for (int i = 0; i < m_cells.GetSize(); ++i) {
        if (m_cells[i]->m_nColumn == column)
            return m_cells[i];
    }
    return nullptr;
}
