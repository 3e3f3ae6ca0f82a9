#pragma once

#include "platform/carray.h"
#include "platform/cobject.h"
#include "platform/cstring_array.h"
#include "ui/grid/cell_kind.h"

// What the grid knows of one cell beyond its shown text: whether it may be
// edited, which editor opens on it, its choices (for the edit kinds, item 0
// is the value text), the data of each choice and the numeric bounds.
class UIGridCell : public CObject {
    DECLARE_DYNAMIC(UIGridCell)
public:
    int m_nColumn = -1;
    double m_dMinimum = 0.0;
    double m_dMaximum = 100.0;
    bool m_bEditable = true;
    int m_nKind = CellKindComboBox;
    CStringArray m_items;
    CArray<long, long> m_itemData;
};
