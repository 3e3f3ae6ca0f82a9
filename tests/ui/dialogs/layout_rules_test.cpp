// The layout arithmetic: every kind and side, chained references, the
// extent floor of 1 and the check of a table's references.
#include "ui/dialogs/layout_rules.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

// How gtest shows a rectangle in a failure.
void PrintTo(const LayoutRect& r, std::ostream* out)
{
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

constexpr std::int32_t kDistance = LayoutSideRule::KeepDistance;
constexpr std::int32_t kProportion = LayoutSideRule::KeepProportion;
constexpr std::int32_t kLeft = LayoutSideRule::Left;
constexpr std::int32_t kTop = LayoutSideRule::Top;
constexpr std::int32_t kRight = LayoutSideRule::Right;
constexpr std::int32_t kBottom = LayoutSideRule::Bottom;

// Lays out and returns the new rectangles.
std::vector<LayoutRect> LayOut(const std::vector<LayoutRule>& rules, const std::vector<LayoutRect>& first,
                               const LayoutRect& firstClient, const LayoutRect& client)
{
    std::vector<LayoutRect> result(rules.size(), LayoutRect{-1, -1, -1, -1});
    LayOutControls(rules.data(), first.data(), static_cast<int>(rules.size()), firstClient, client, result.data());
    return result;
}

LayoutRule Rule(std::int32_t id, LayoutSideRule left, LayoutSideRule top, LayoutSideRule right, LayoutSideRule bottom)
{
    return LayoutRule{id, left, top, right, bottom};
}

LayoutSideRule Follow(std::int32_t side, std::int32_t reference = 0, std::int32_t kind = kDistance)
{
    return LayoutSideRule{kind, reference, side};
}

}  // namespace

TEST(LayoutRulesTest, DistancesToTheClientSidesFollowTheNewClientArea)
{
    // The main dialog's rules: a tree growing down, a pane growing both
    // ways, a label riding the bottom edge and a button in the corner.
    const std::vector<LayoutRule> rules{
        Rule(1000, Follow(kLeft), Follow(kTop), Follow(kLeft), Follow(kBottom)),
        Rule(1003, Follow(kLeft), Follow(kTop), Follow(kRight), Follow(kBottom)),
        Rule(1004, Follow(kLeft), Follow(kBottom), Follow(kLeft), Follow(kBottom)),
        Rule(1, Follow(kRight), Follow(kBottom), Follow(kRight), Follow(kBottom)),
    };
    const std::vector<LayoutRect> first{{25, 23, 243, 323}, {255, 23, 639, 323}, {25, 346, 384, 382},
                                        {409, 351, 463, 380}};
    const LayoutRect firstClient{0, 0, 661, 398};
    const std::vector<LayoutRect> expected{{25, 23, 243, 373}, {255, 23, 739, 373}, {25, 396, 384, 432},
                                           {509, 401, 563, 430}};
    EXPECT_EQ(expected, LayOut(rules, first, firstClient, {0, 0, 761, 448}));
    // Back to the first size gives the first rectangles.
    EXPECT_EQ(first, LayOut(rules, first, firstClient, firstClient));
}

TEST(LayoutRulesTest, CentresProportionsAndKeptExtents)
{
    const LayoutRect firstClient{0, 0, 200, 100};
    const LayoutRect client{10, 20, 410, 320};  // centre (210, 170), extents 400 x 300
    const std::vector<LayoutRule> rules{
        // Centred: keeps its distance to both centres.
        Rule(1, Follow(LayoutSideRule::HorizontalCentre), Follow(LayoutSideRule::VerticalCentre),
             Follow(LayoutSideRule::HorizontalCentre), Follow(LayoutSideRule::VerticalCentre)),
        // Proportional: offsets scale with the reference's width for left and
        // right, its height for top and bottom.
        Rule(2, Follow(kLeft, 0, kProportion), Follow(kTop, 0, kProportion), Follow(kLeft, 0, kProportion),
             Follow(kTop, 0, kProportion)),
        // Its first width and height, from the new left and top.
        Rule(3, Follow(kRight), Follow(kBottom), LayoutSideRule{LayoutSideRule::KeepWidth, 0, 0},
             LayoutSideRule{LayoutSideRule::KeepHeight, 0, 0}),
        // Unknown kinds give 0.
        Rule(4, LayoutSideRule{7, 0, kLeft}, Follow(kTop), LayoutSideRule{0, 0, kRight}, Follow(kBottom)),
    };
    const std::vector<LayoutRect> first{{90, 40, 110, 60}, {50, 10, 150, 90}, {170, 80, 190, 95}, {5, 5, 15, 15}};
    const std::vector<LayoutRect> expected{
        {200, 160, 220, 180},
        {110, 50, 310, 290},  // left 50 * 400 / 200 + 10, top 10 * 300 / 100 + 20, ...
        {380, 300, 400, 315},
        {0, 25, 0, 235},
    };
    EXPECT_EQ(expected, LayOut(rules, first, firstClient, client));
}

TEST(LayoutRulesTest, ProportionsTruncateTowardZeroAndNeverDivideByZero)
{
    const std::vector<LayoutRule> rules{
        Rule(1, Follow(kLeft, 0, kProportion), Follow(kTop, 0, kProportion), Follow(kLeft, 0, kProportion),
             Follow(kTop, 0, kProportion)),
    };
    // Offsets -3 and +3 scaled by 3 / 2: -4.5 and 4.5 truncate to -4 and 4.
    EXPECT_EQ((std::vector<LayoutRect>{{6, 6, 14, 14}}), LayOut(rules, {{7, 7, 13, 13}}, {10, 10, 12, 12}, {10, 10, 13, 13}));
    // A first client area without extent counts as 1 wide and 1 high.
    EXPECT_EQ((std::vector<LayoutRect>{{30, 60, 50, 80}}), LayOut(rules, {{3, 6, 5, 8}}, {0, 0, 0, 0}, {0, 0, 10, 10}));
}

TEST(LayoutRulesTest, ControlsFollowEarlierControlsAsTheyWereJustLaidOut)
{
    const std::vector<LayoutRule> rules{
        Rule(10, Follow(kLeft), Follow(kTop), Follow(kRight), Follow(kTop)),          // stretches
        Rule(11, Follow(kRight, 10), Follow(kTop, 10), Follow(kRight, 10), Follow(kBottom, 10)),  // beside 10
        Rule(12, Follow(kLeft, 11), Follow(kBottom, 11), Follow(kRight, 11), Follow(kBottom, 11)),  // under 11
    };
    const std::vector<LayoutRect> first{{10, 10, 100, 30}, {105, 10, 130, 30}, {105, 35, 130, 50}};
    const std::vector<LayoutRect> expected{{10, 10, 150, 30}, {155, 10, 180, 30}, {155, 35, 180, 50}};
    EXPECT_EQ(expected, LayOut(rules, first, {0, 0, 140, 60}, {0, 0, 190, 60}));
}

TEST(LayoutRulesTest, TablesMayReferToTheClientAreaAndEarlierControlsOnly)
{
    const LayoutRule byClient = Rule(5, Follow(kLeft), Follow(kTop), Follow(kRight), Follow(kBottom));
    const LayoutRule byFive = Rule(6, Follow(kLeft, 5), Follow(kTop), Follow(kRight), Follow(kBottom));
    const LayoutRule bySelf = Rule(7, Follow(kLeft), Follow(kTop, 7), Follow(kRight), Follow(kBottom));
    const std::vector<LayoutRule> good{byClient, byFive};
    const std::vector<LayoutRule> later{byFive, byClient};
    const std::vector<LayoutRule> self{byClient, bySelf};
    EXPECT_TRUE(IsValidLayoutTable(good.data(), 2));
    EXPECT_FALSE(IsValidLayoutTable(later.data(), 2));
    EXPECT_FALSE(IsValidLayoutTable(self.data(), 2));
    EXPECT_TRUE(IsValidLayoutTable(nullptr, 0));
}
