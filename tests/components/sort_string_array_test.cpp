// CSortStringArray: the order of the simple swap-until-sorted pass with the
// same comparison, reached by a stable O(n log n) sort.
#include "components/sort_string_array.h"

#include <gtest/gtest.h>

#include <random>
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

std::string RandomName(std::mt19937& random, bool asciiOnly)
{
    // Letters of both cases, digits and the punctuation file names carry, so
    // that names often compare equal but for case or share long prefixes.
    static const std::vector<std::string> pieces{"a", "A", "b", "B", "z", "Z", "0", "1", "9", "-", "_", ".", " ",
                                                 "'", "~", "e", "E", "dll", "DLL", "\xD1\x8F", "\xD0\xAF", "\xC3\xA9"};
    std::uniform_int_distribution<size_t> length(0, 6);
    std::uniform_int_distribution<size_t> piece(0, pieces.size() - (asciiOnly ? 4 : 1));
    std::string name;
    for (size_t n = length(random); n > 0; --n)
        name += pieces[piece(random)];
    return name;
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

TEST(SortStringArrayTest, SameOrderAsTheSwapUntilSortedPassOnRandomNames)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 40; ++round) {
        // Names of one folder share its path; most names are plain ASCII.
        std::vector<std::string> names(static_cast<size_t>(round * 7 % 120));
        for (std::string& name : names)
            name = (round % 4 == 0 ? "C:\\Folder\\" : "") + RandomName(random, round % 3 != 0);
        CSortStringArray sorted;
        CStringArray expected;
        Fill(sorted, names);
        Fill(expected, names);
        sorted.Sort();
        SwapUntilSorted(expected);
        ASSERT_EQ(Contents(expected), Contents(sorted)) << "round " << round;
    }
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
    Fill(sorted, {"zebra", "aabenraa", "Aalborg", "abe", "odense", "AAbenraa", "zz"});
    Fill(expected, Contents(sorted));
    sorted.Sort();
    SwapUntilSorted(expected);
    SetThreadLocale(previous);
    EXPECT_EQ(Contents(expected), Contents(sorted));
}
