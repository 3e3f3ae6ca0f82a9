#include "editor/cell_kind.h"

#include "platform/cstring.h"

#include <algorithm>
#include <cctype>

namespace {

const char* const kNames[] = {"edit", "editreal", "editint", "editlong", "editbrowse", "listbox", "combobox"};

int FindKind(const char* name)
{
    CString lower(name);
    const std::string& text = lower.str();
    // ASCII, the usual case, folds here; other letters take the system's
    // rules through MakeLower (a dotted capital I becomes an ASCII i).
    if (std::all_of(text.begin(), text.end(), [](char ch) { return (static_cast<unsigned char>(ch) & 0x80) == 0; })) {
        for (int i = 0; i < lower.GetLength(); ++i)
            lower.SetAt(i, static_cast<char>(std::tolower(static_cast<unsigned char>(lower.GetAt(i)))));
    } else {
        lower.MakeLower();
    }
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
