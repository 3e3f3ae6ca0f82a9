// CSortStringArray: the order of the simple swap-until-sorted pass with the
// same comparison, reached by a stable O(n log n) sort (faults: capitals
// first, equal names reordered, an order that ignores the locale).
#include "components/sort_string_array.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

Strings Sorted(const Strings& strings)
{
    CSortStringArray array;
    for (const std::string& text : strings)
        array.Add(CString(text));
    array.Sort();
    Strings sorted;
    for (int i = 0; i < array.GetSize(); ++i)
        sorted.push_back(array[i].str());
    return sorted;
}

// The pass the order is defined by: swap neighbours while the left one
// compares greater, until a pass swaps nothing.
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

TEST(SortStringArrayTest, CaseInsensitiveAndEqualNamesKeepTheirOrder)
{
    EXPECT_EQ((Strings{"apple", "Banana", "cherry", "readme", "README", "Readme"}),
              Sorted({"cherry", "Banana", "readme", "apple", "README", "Readme"}));
    EXPECT_EQ(Strings{"only"}, Sorted({"only"}));
}

TEST(SortStringArrayTest, SameOrderWhereTheLocaleJoinsTwoLetters)
{
    // Under Danish rules "aa" is one letter, sorted after "z": wherever the
    // comparison follows the thread's locale, an order built letter by letter
    // is wrong here and the sort must notice. Names beyond ASCII, equal but
    // for case, and sharing a folder too.
    const Strings names{"zebra", "aabenraa", "Aalborg", "abe", "odense", "AAbenraa", "zz", "\xD1\x8F", "\xD0\xAF",
                        "\xC3\xA9", "e", "E", "C:\\F\\b", "C:\\F\\A_", "C:\\F\\a-", "C:\\F\\a"};
    const LCID previous = GetThreadLocale();
    SetThreadLocale(MAKELCID(MAKELANGID(LANG_DANISH, SUBLANG_DANISH_DENMARK), SORT_DEFAULT));
    const Strings sorted = Sorted(names);
    const Strings expected = SwappedUntilSorted(names);
    SetThreadLocale(previous);
    EXPECT_EQ(expected, sorted);
}
