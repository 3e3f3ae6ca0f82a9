#include "components/sort_string_array.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSortStringArray, CObject)

void CSortStringArray::Sort()
{
    if (GetSize() < 2)
        return;
    // A stable merge sort with the same comparison as a swap-until-sorted
    // pass gives the same order, in O(n log n): a folder can hold thousands
    // of entries.
    std::stable_sort(GetData(), GetData() + GetSize(),
                     [](const CString& left, const CString& right) { return left.CompareNoCase(right) < 0; });
}
