#pragma once

// Control type of a grid cell: which in-cell editor opens on it. A
// definition file's attributes carry the same numbers.
enum CellKind : int {
    CellKindEdit = 0,
    CellKindEditReal = 1,
    CellKindEditInt = 2,
    CellKindEditLong = 3,
    CellKindEditBrowse = 4,
    CellKindListBox = 5,
    CellKindComboBox = 6,
};
