#pragma once

// Control type of an attribute and of a grid cell.
enum CellKind : int {
    CellKindEdit = 0,
    CellKindEditReal = 1,
    CellKindEditInt = 2,
    CellKindEditLong = 3,
    CellKindEditBrowse = 4,
    CellKindListBox = 5,
    CellKindComboBox = 6,
};

// Maps a definition file's "Type" text, in any case, to its CellKind; an
// unknown word gives the combo box.
int CellKindFromName(const char* name);

// The lower-case word of a CellKind ("combobox" for anything unknown).
const char* CellKindName(int kind);

// Whether CellKindFromName knows the word (so "combobox" is not a fallback).
bool IsKnownCellKindName(const char* name);
