#pragma once

#include "platform/cstring_array.h"

#include <vector>

// A string array that sorts itself in place, case-insensitively by the
// system's locale-aware comparison (CString::CompareNoCase). Strings that
// compare equal keep their order.
class CSortStringArray : public CStringArray {
    DECLARE_DYNAMIC(CSortStringArray)
public:
    void Sort();
    // The positions of the strings in the order Sort gives them, for callers
    // that keep more than the string for each entry.
    std::vector<int> SortedOrder() const;
};
