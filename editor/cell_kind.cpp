#include "editor/cell_kind.h"

#include "platform/cstring.h"

namespace {

const char* const kNames[] = {"edit", "editreal", "editint", "editlong", "editbrowse", "listbox", "combobox"};

int FindKind(const char* name)
{
    CString lower(name);
    lower.MakeLower();
    for (int kind = 0; kind <= CellKindComboBox; ++kind) {
        if (lower == kNames[kind])
            return kind;
    }
    return -1;
}

}  // namespace

int CellKindFromName(const char* name)
{
    const int kind = FindKind(name);
    return kind >= 0 ? kind : CellKindComboBox;
}

const char* CellKindName(int kind)
{
    return kind >= 0 && kind <= CellKindComboBox ? kNames[kind] : kNames[CellKindComboBox];
}

bool IsKnownCellKindName(const char* name)
{
    return FindKind(name) >= 0;
}
