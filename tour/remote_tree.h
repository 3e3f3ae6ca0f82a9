#pragma once

#include "tour/remote_memory.h"

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

// A tree view of another process, read as a user reads it: its items'
// texts and where they show.
class RemoteTree {
public:
    explicit RemoteTree(HWND tree);

    // The children of `parent`; the top-level items for null.
    std::vector<HTREEITEM> Children(HTREEITEM parent) const;
    std::wstring Text(HTREEITEM item) const;
    // The first child of `parent` whose text is `text` (case ignored).
    HTREEITEM Child(HTREEITEM parent, const std::wstring& text) const;
    // The middle of the item's label on the screen; none when it is not shown.
    std::optional<POINT> LabelCentre(HTREEITEM item) const;

private:
    HWND m_tree;
    RemoteMemory m_memory;
};
