#pragma once

class CQuorvelinProperty;

// Ids the main dialog treats apart: a first attribute with Id 0 makes its
// property the Components page; Id 1012 never gets a row.
inline constexpr int kComponentsId = 0;
inline constexpr int kHiddenId = 1012;

// Whether the main dialog gives an attribute a row of its grid, and if not, why.
enum class ShownRow {
    Yes,
    ComponentsPage,   // its property is the Components page, which has no grid
    HiddenId,         // Id 1012
    AfterEmptyLabel,  // an empty label inserts no row, nor does any after it
};

ShownRow ShownRowOf(const CQuorvelinProperty& property, int attributeIndex);
