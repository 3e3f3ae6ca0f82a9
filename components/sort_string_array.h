#pragma once

#include "platform/cstring_array.h"

// A string array that sorts itself in place, case-insensitively by the
// system's locale-aware comparison (CString::CompareNoCase). Strings that
// compare equal keep their order.
class CSortStringArray : public CStringArray {
    DECLARE_DYNAMIC(CSortStringArray)
public:
    void Sort();
};
