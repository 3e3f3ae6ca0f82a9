#include "components/sort_string_array.h"

#include <algorithm>
#include <numeric>
#include <string>

IMPLEMENT_DYNAMIC(CSortStringArray, CObject)

// The order is that of a swap-until-sorted pass with CompareNoCase: the
// stable sort by that comparison. A folder holds thousands of names, and the
// system's comparison costs about a microsecond a call under Wine, so the
// array is first sorted by a cheap key that models the comparison for
// printable ASCII, then checked pair by pair with the comparison itself. Only
// when the check fails, or a name holds a character the key cannot model,
// is the array sorted by the comparison alone.

namespace {

constexpr unsigned char kNotModelled = 0xFF;
constexpr unsigned char kIgnoredFirst = 0xFE;  // weighs only when all else is equal

// What each byte contributes to the key: its rank among the printable ASCII
// characters by the system's comparison, learnt from the comparison itself,
// so that it holds for the locale the process runs in.
struct KeyTable {
    unsigned char weight[256];

    KeyTable()
    {
        std::fill(std::begin(weight), std::end(weight), kNotModelled);
        std::vector<std::string> printable;
        for (int ch = 0x20; ch < 0x7F; ++ch) {
            const std::string c(1, static_cast<char>(ch));
            // A character that the comparison passes over at first (as the
            // word sort does the hyphen and the apostrophe): "a?a" sorts
            // below "ab" and "a?c" above it.
            if (lstrcmpiA(("a" + c + "a").c_str(), "ab") < 0 && lstrcmpiA(("a" + c + "c").c_str(), "ab") > 0)
                weight[ch] = kIgnoredFirst;
            else
                printable.push_back(c);
        }
        std::stable_sort(printable.begin(), printable.end(),
                         [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
        unsigned char rank = 1;
        for (size_t i = 0; i < printable.size(); ++i) {
            if (i > 0 && lstrcmpiA(printable[i - 1].c_str(), printable[i].c_str()) != 0)
                ++rank;
            weight[static_cast<unsigned char>(printable[i][0])] = rank;
        }
    }
};

// Keys of the strings past their common prefix; false when a string holds a
// character the table does not model.
bool MakeKeys(const CStringArray& strings, std::vector<std::string>* keys)
{
    static const KeyTable table;
    const std::string& first = strings[0].str();
    size_t common = first.size();
    for (int i = 1; i < strings.GetSize(); ++i) {
        const std::string& text = strings[i].str();
        size_t same = 0;
        while (same < common && same < text.size() && text[same] == first[same])
            ++same;
        common = same;
    }
    keys->resize(static_cast<size_t>(strings.GetSize()));
    for (int i = 0; i < strings.GetSize(); ++i) {
        const std::string& text = strings[i].str();
        std::string& key = (*keys)[static_cast<size_t>(i)];
        key.reserve(text.size() - common);
        for (size_t at = common; at < text.size(); ++at) {
            const unsigned char weight = table.weight[static_cast<unsigned char>(text[at])];
            if (weight == kNotModelled)
                return false;
            if (weight != kIgnoredFirst)
                key.push_back(static_cast<char>(weight));
        }
    }
    return true;
}

// Whether `order` is the stable sort of the strings by CompareNoCase.
bool IsStableSorted(const CStringArray& strings, const std::vector<int>& order)
{
    for (size_t i = 1; i < order.size(); ++i) {
        const int comparison = strings[order[i - 1]].CompareNoCase(strings[order[i]]);
        if (comparison > 0 || (comparison == 0 && order[i - 1] > order[i]))
            return false;
    }
    return true;
}

}  // namespace

std::vector<int> CSortStringArray::SortedOrder() const
{
    std::vector<int> order(static_cast<size_t>(GetSize()));
    std::iota(order.begin(), order.end(), 0);
    if (order.size() < 2)
        return order;
    auto byComparison = [this](int a, int b) { return GetAt(a).CompareNoCase(GetAt(b)) < 0; };
    std::vector<std::string> keys;
    if (MakeKeys(*this, &keys)) {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const int byKey = keys[static_cast<size_t>(a)].compare(keys[static_cast<size_t>(b)]);
            return byKey != 0 ? byKey < 0 : byComparison(a, b);
        });
        if (IsStableSorted(*this, order))
            return order;
        std::iota(order.begin(), order.end(), 0);
    }
    std::stable_sort(order.begin(), order.end(), byComparison);
    return order;
}

void CSortStringArray::Sort()
{
    const std::vector<int> order = SortedOrder();
    std::vector<CString> sorted;
    sorted.reserve(order.size());
    for (const int position : order)
        sorted.push_back(std::move(GetData()[position]));
    std::move(sorted.begin(), sorted.end(), GetData());
}
