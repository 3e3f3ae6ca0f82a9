// CSortStringArray orders as swapping neighbours until sorted does (faults:
// capitals first, equal names reordered, an order that ignores the locale).
#include "components/sort_string_array.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// The pass the order is defined by.
Strings SwappedUntilSorted(Strings strings)
{
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (size_t i = 0; i + 1 < strings.size(); ++i)
            if (CString(strings[i]).CompareNoCase(CString(strings[i + 1])) > 0)
                std::swap(strings[i], strings[i + 1]), swapped = true;
    }
    return strings;
}

}  // namespace

TEST(SortStringArrayTest, OrderIsThatOfSwappingNeighboursUntilSorted)
{
    const Strings rows[] = {
        {"cherry", "Banana", "readme", "apple", "README", "Readme"},
        // Under Danish rules "aa" is one letter, sorted after "z": an order
        // built letter by letter is wrong here and the sort must notice.
        {"zebra", "aabenraa", "Aalborg", "abe", "odense", "AAbenraa", "zz", "C:\\F\\b", "C:\\F\\A_", "C:\\F\\a-"},
        // Names beyond ASCII, equal but for case.
        {"\xD1\x8F", "\xD0\xAF", "\xC3\xA9", "e", "E", "C:\\F\\a"},
        {},
    };
    const LCID previous = GetThreadLocale();
    SetThreadLocale(MAKELCID(MAKELANGID(LANG_DANISH, SUBLANG_DANISH_DENMARK), SORT_DEFAULT));
    for (const Strings& names : rows) {
        CSortStringArray array;
        for (const std::string& text : names)
            array.Add(CString(text));
        array.Sort();
        Strings sorted;
        for (int i = 0; i < array.GetSize(); ++i)
            sorted.push_back(array[i].str());
        EXPECT_EQ(SwappedUntilSorted(names), sorted);
    }
    SetThreadLocale(previous);
}
