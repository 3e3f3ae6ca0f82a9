#pragma once

#include "ui/grid/cell_kind.h"

// Maps a definition file's "Type" text, in any case, to its CellKind; an
// unknown word gives the combo box.
int CellKindFromName(const char* name);

// The lower-case word of a CellKind ("combobox" for anything unknown).
const char* CellKindName(int kind);

// Whether CellKindFromName knows the word (so "combobox" is not a fallback).
bool IsKnownCellKindName(const char* name);
