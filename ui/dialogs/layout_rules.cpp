#include "ui/dialogs/layout_rules.h"

#include <initializer_list>

namespace {

// 32-bit arithmetic that wraps as the machine does, without undefined behaviour.
std::int32_t Add(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

std::int32_t Subtract(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

std::int32_t Multiply(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

std::int32_t SideOf(const LayoutRect& rect, std::int32_t side)
{
    switch (side) {
    case LayoutSideRule::Left: return rect.left;
    case LayoutSideRule::Top: return rect.top;
    case LayoutSideRule::Right: return rect.right;
    case LayoutSideRule::Bottom: return rect.bottom;
    case LayoutSideRule::HorizontalCentre: return Add(rect.left, rect.right) / 2;
    case LayoutSideRule::VerticalCentre: return Add(rect.top, rect.bottom) / 2;
    default: return 0;
    }
}

// Index of the rule of `controlId` among the first `count` rules, or -1.
int RuleIndex(const LayoutRule* rules, int count, std::int32_t controlId)
{
    for (int i = 0; i < count; ++i) {
        if (rules[i].controlId == controlId)
            return i;
    }
    return -1;
}

}  // namespace

bool IsValidLayoutTable(const LayoutRule* rules, int count)
{
    if (count < 0 || (count > 0 && rules == nullptr))
        return false;
    for (int i = 0; i < count; ++i) {
        for (const LayoutSideRule* side : {&rules[i].left, &rules[i].top, &rules[i].right, &rules[i].bottom}) {
            if (side->reference != 0 && RuleIndex(rules, i, side->reference) < 0)
                return false;
        }
    }
    return true;
}

void LayOutControls(const LayoutRule* rules, const LayoutRect* firstRects, int count, const LayoutRect& firstClient,
                    const LayoutRect& client, LayoutRect* newRects)
{
    for (int i = 0; i < count; ++i) {
        const LayoutRule& rule = rules[i];
        const LayoutRect& first = firstRects[i];
        LayoutRect& result = newRects[i];
        const struct {
            const LayoutSideRule* rule;
            std::int32_t* target;
            std::int32_t firstCoordinate;
            bool horizontal;
        } sides[] = {
            {&rule.left, &result.left, first.left, true},
            {&rule.top, &result.top, first.top, false},
            {&rule.right, &result.right, first.right, true},
            {&rule.bottom, &result.bottom, first.bottom, false},
        };
        for (const auto& side : sides) {
            const int referenceIndex = side.rule->reference != 0 ? RuleIndex(rules, i, side.rule->reference) : -1;
            const LayoutRect& firstReference = referenceIndex >= 0 ? firstRects[referenceIndex] : firstClient;
            const LayoutRect& newReference = referenceIndex >= 0 ? newRects[referenceIndex] : client;
            const std::int32_t offset = Subtract(side.firstCoordinate, SideOf(firstReference, side.rule->side));
            switch (side.rule->kind) {
            case LayoutSideRule::KeepDistance:
                *side.target = Add(SideOf(newReference, side.rule->side), offset);
                break;
            case LayoutSideRule::KeepProportion: {
                const auto extent = [&side](const LayoutRect& rect) {
                    return side.horizontal ? Subtract(rect.right, rect.left) : Subtract(rect.bottom, rect.top);
                };
                const std::int32_t firstExtent = extent(firstReference);
                const std::int32_t scaled = Multiply(offset, extent(newReference)) / (firstExtent < 1 ? 1 : firstExtent);
                *side.target = Add(scaled, SideOf(newReference, side.rule->side));
                break;
            }
            case LayoutSideRule::KeepWidth:
                *side.target = Add(result.left, Subtract(first.right, first.left));
                break;
            case LayoutSideRule::KeepHeight:
                *side.target = Add(result.top, Subtract(first.bottom, first.top));
                break;
            default:
                *side.target = 0;
                break;
            }
        }
    }
}
