// CSortStringArray: the order of the simple swap-until-sorted pass with the
// same comparison, reached by a stable O(n log n) sort (faults: capitals
// first, equal names reordered, an order that ignores the locale).
#include "components/sort_string_array.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Contents(const CStringArray& array)
{
    std::vector<std::string> strings;
    for (int i = 0; i < array.GetSize(); ++i)
        strings.push_back(array[i].str());
    return strings;
}

void Fill(CStringArray& array, const std::vector<std::string>& strings)
{
    array.RemoveAll();
    for (const std::string& text : strings)
        array.Add(CString(text));
}

// The pass the order is defined by: swap neighbours while the left one
// compares greater, until a pass swaps nothing.
void SwapUntilSorted(CStringArray& array)
{
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int i = 0; i + 1 < array.GetSize(); ++i) {
            if (array[i].CompareNoCase(array[i + 1]) > 0) {
                const CString left = array[i];
                array[i] = array[i + 1];
                array[i + 1] = left;
                swapped = true;
            }
        }
    }
}

}  // namespace

TEST(SortStringArrayTest, CaseInsensitiveAndEqualNamesKeepTheirOrder)
{
    CSortStringArray array;
    Fill(array, {"cherry", "Banana", "readme", "apple", "README", "Readme"});
    array.Sort();
    EXPECT_EQ((std::vector<std::string>{"apple", "Banana", "cherry", "readme", "README", "Readme"}), Contents(array));

    Fill(array, {"only"});
    array.Sort();
    EXPECT_EQ(std::vector<std::string>{"only"}, Contents(array));
}

TEST(SortStringArrayTest, SameOrderWhereTheLocaleJoinsTwoLetters)
{
    // Under Danish rules "aa" is one letter, sorted after "z": wherever the
    // comparison follows the thread's locale, an order built letter by letter
    // is wrong here and the sort must notice.
    const LCID previous = GetThreadLocale();
    SetThreadLocale(MAKELCID(MAKELANGID(LANG_DANISH, SUBLANG_DANISH_DENMARK), SORT_DEFAULT));
    CSortStringArray sorted;
    CStringArray expected;
    // Names beyond ASCII, equal but for case, and sharing a folder too.
    Fill(sorted, {"zebra", "aabenraa", "Aalborg", "abe", "odense", "AAbenraa", "zz", "\xD1\x8F", "\xD0\xAF",
                  "\xC3\xA9", "e", "E", "C:\\F\\b", "C:\\F\\A_", "C:\\F\\a-", "C:\\F\\a"});
    Fill(expected, Contents(sorted));
    sorted.Sort();
    SwapUntilSorted(expected);
    SetThreadLocale(previous);
    EXPECT_EQ(Contents(expected), Contents(sorted));
}
