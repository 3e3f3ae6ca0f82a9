// The layout arithmetic, one row per table laid out from a first client area
// to a new one; and the check of a table's references.
#include "ui/dialogs/layout_rules.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

// How gtest shows a rectangle in a failure.
void PrintTo(const LayoutRect& r, std::ostream* out)
{
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

constexpr std::int32_t kLeft = LayoutSideRule::Left;
constexpr std::int32_t kTop = LayoutSideRule::Top;
constexpr std::int32_t kRight = LayoutSideRule::Right;
constexpr std::int32_t kBottom = LayoutSideRule::Bottom;

LayoutSideRule Follow(std::int32_t side, std::int32_t reference = 0, std::int32_t kind = LayoutSideRule::KeepDistance)
{
    return LayoutSideRule{kind, reference, side};
}
LayoutSideRule Scale(std::int32_t side) { return Follow(side, 0, LayoutSideRule::KeepProportion); }

}  // namespace

TEST(LayoutRulesTest, EachTableLaysItsControlsOutForTheNewClientArea)
{
    struct Row {
        const char* name;
        std::vector<LayoutRule> rules;
        std::vector<LayoutRect> first;
        LayoutRect firstClient, client;
        std::vector<LayoutRect> expected;
    };
    const Row rows[] = {
        {"distances to the client's sides: grows down, grows both ways, rides the bottom, keeps to the corner",
         {{1000, Follow(kLeft), Follow(kTop), Follow(kLeft), Follow(kBottom)},
          {1003, Follow(kLeft), Follow(kTop), Follow(kRight), Follow(kBottom)},
          {1004, Follow(kLeft), Follow(kBottom), Follow(kLeft), Follow(kBottom)},
          {1, Follow(kRight), Follow(kBottom), Follow(kRight), Follow(kBottom)}},
         {{25, 23, 243, 323}, {255, 23, 639, 323}, {25, 346, 384, 382}, {409, 351, 463, 380}},
         {0, 0, 661, 398}, {0, 0, 761, 448},
         {{25, 23, 243, 373}, {255, 23, 739, 373}, {25, 396, 384, 432}, {509, 401, 563, 430}}},
        {"controls follow earlier controls where they were just laid out",
         {{10, Follow(kLeft), Follow(kTop), Follow(kRight), Follow(kTop)},
          {11, Follow(kRight, 10), Follow(kTop, 10), Follow(kRight, 10), Follow(kBottom, 10)},
          {12, Follow(kLeft, 11), Follow(kBottom, 11), Follow(kRight, 11), Follow(kBottom, 11)}},
         {{10, 10, 100, 30}, {105, 10, 130, 30}, {105, 35, 130, 50}}, {0, 0, 140, 60}, {0, 0, 190, 60},
         {{10, 10, 150, 30}, {155, 10, 180, 30}, {155, 35, 180, 50}}},
        // Kinds the program does not use: centred, proportional, kept extents, unknown (0).
        {"other kinds",
         {{1, Follow(LayoutSideRule::HorizontalCentre), Follow(LayoutSideRule::VerticalCentre),
           Follow(LayoutSideRule::HorizontalCentre), Follow(LayoutSideRule::VerticalCentre)},
          {2, Scale(kLeft), Scale(kTop), Scale(kLeft), Scale(kTop)},
          {3, Follow(kRight), Follow(kBottom), LayoutSideRule{LayoutSideRule::KeepWidth, 0, 0},
           LayoutSideRule{LayoutSideRule::KeepHeight, 0, 0}},
          {4, LayoutSideRule{7, 0, kLeft}, Follow(kTop), LayoutSideRule{0, 0, kRight}, Follow(kBottom)}},
         {{90, 40, 110, 60}, {50, 10, 150, 90}, {170, 80, 190, 90}, {5, 5, 15, 15}}, {0, 0, 200, 100}, {10, 20, 410, 320},
         {{200, 160, 220, 180}, {110, 50, 310, 290}, {380, 300, 400, 310}, {0, 25, 0, 235}}},
        {"proportional against an empty first area",
         {{1, Scale(kLeft), Scale(kTop), Scale(kRight), Scale(kBottom)}}, {{0, 0, 0, 0}}, {0, 0, 0, 0}, {0, 0, 100, 50},
         {{0, 0, 100, 50}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<LayoutRect> result(row.rules.size(), LayoutRect{-1, -1, -1, -1});
        LayOutControls(row.rules.data(), row.first.data(), static_cast<int>(row.rules.size()), row.firstClient,
                       row.client, result.data());
        EXPECT_EQ(row.expected, result);
    }
}

TEST(LayoutRulesTest, TablesMayReferToTheClientAreaAndEarlierControlsOnly)
{
    const LayoutRule byClient{5, Follow(kLeft), Follow(kTop), Follow(kRight), Follow(kBottom)};
    const LayoutRule byFive{6, Follow(kLeft, 5), Follow(kTop), Follow(kRight), Follow(kBottom)};
    const LayoutRule bySelf{7, Follow(kLeft), Follow(kTop, 7), Follow(kRight), Follow(kBottom)};
    for (const auto& [table, valid] : std::vector<std::pair<std::vector<LayoutRule>, bool>>{
             {{byClient, byFive}, true}, {{byFive, byClient}, false}, {{byClient, bySelf}, false}, {{}, true}})
        EXPECT_EQ(valid, IsValidLayoutTable(table.empty() ? nullptr : table.data(), static_cast<int>(table.size())))
            << table.size() << " rules";
}
