// The numeric edits on real windows: validation through an evaluator (a plain
// number parser that a test installs as the process-wide default and takes
// away again), the range reported in the error balloon with the last accepted
// value put back, the balloon, and the light-yellow painting.
#include "tests/support/plain_evaluator.h"
#include "tests/support/window_image.h"
#include "ui/controls/ui_edit_int.h"
#include "ui/controls/ui_edit_long.h"
#include "ui/controls/ui_edit_real.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>

namespace {

class Host : public CWnd {
public:
    Host() { EXPECT_TRUE(CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, {100, 100, 400, 200}, nullptr, 0)); }
};

// An edit of one kind ("int", "long" or "real"), seeded the way the grid
// seeds it; without `ranged` the range stays at its default.
struct Seed {
    const char* kind;
    bool ranged;
    double min, max, value;
    int precision;
    const char* rangeText;
};

std::unique_ptr<UINumericEdit> MakeEdit(Host& host, const Seed& seed)
{
    std::unique_ptr<UINumericEdit> edit;
    if (seed.kind[0] == 'r') {
        auto real = std::make_unique<UIEditReal>();
        if (seed.ranged) {
            real->m_dMin = seed.min;
            real->m_dMax = seed.max;
        }
        real->m_dValue = seed.value;
        real->m_nPrecision = seed.precision;
        edit = std::move(real);
    } else {
        std::unique_ptr<UIEditInteger> integer(seed.kind[0] == 'i' ? static_cast<UIEditInteger*>(new UIEditInt)
                                                                    : new UIEditLong);
        if (seed.ranged) {
            integer->m_nMin = static_cast<int>(seed.min);
            integer->m_nMax = static_cast<int>(seed.max);
        }
        integer->m_nValue = static_cast<int>(seed.value);
        edit = std::move(integer);
    }
    edit->m_strRangeText = seed.rangeText;
    EXPECT_TRUE(edit->Create(WS_VISIBLE | WS_BORDER, {10, 10, 210, 34}, &host, 1001));
    return edit;
}

bool Validate(UINumericEdit& edit)
{
    auto* integer = dynamic_cast<UIEditInteger*>(&edit);
    return integer != nullptr ? integer->Validate() : dynamic_cast<UIEditReal&>(edit).Validate();
}

double Value(const UINumericEdit& edit)
{
    const auto* integer = dynamic_cast<const UIEditInteger*>(&edit);
    return integer != nullptr ? integer->m_nValue : dynamic_cast<const UIEditReal&>(edit).m_dValue;
}

// Reports the edit on itself, as the grid's editors do. A key queued
// beforehand ends the balloon's wait at once.
void ReportInvalid(UINumericEdit& edit)
{
    PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    if (auto* integer = dynamic_cast<UIEditInteger*>(&edit))
        integer->ReportInvalid(*integer);
    else
        dynamic_cast<UIEditReal&>(edit).ReportInvalid(dynamic_cast<UIEditReal&>(edit));
}

std::string BalloonText(const UINumericEdit& edit)
{
    TTTOOLINFOA tool = edit.GetErrorTip().GetToolInfo();
    char text[256] = {};
    tool.lpszText = text;
    SendMessageA(edit.GetErrorTip().GetTipWindow(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

}  // namespace

TEST(NumericEditTest, ValidationChecksTheEvaluatedNumberAgainstTheRangeAndKeepsTheLastAcceptedValue)
{
    struct Case {
        Seed seed;  // value 5 before
        const char* text;
        bool accepted;
        double value;
        int evaluations;
    };
    const Case cases[] = {
        {{"int", true, 1, 10, 5, 0, ""}, "10.9", true, 10, 1},
        {{"int", true, 1, 10, 5, 0, ""}, "-0.5", false, 5, 1},              // truncates to 0
        {{"int", true, 1, 10, 5, 0, ""}, "3000000000", false, 5, 1},        // becomes INT_MIN
        {{"long", true, INT_MIN, 0, 5, 0, ""}, "3000000000", true, INT_MIN, 1},
        {{"long", false, 0, 0, 5, 0, ""}, "1e400", false, 5, 1},            // infinite
        {{"int", true, 1, 10, 5, 0, ""}, "ten", false, 5, 1},               // refused by the evaluator
        {{"int", false, 0, 0, 5, 0, ""}, "", false, 5, 0},                  // never evaluated
        {{"real", false, 0, 0, 5, 5, ""}, "1.7976931348623157e308", true, 1.7976931348623157e308, 1},
        {{"real", true, 0, 1, 5, 5, ""}, "1.5", false, 5, 1},
        {{"real", true, 0, 1, 5, 5, ""}, "nan", false, 5, 1},
        {{"real", true, 0, 1, 5, 5, ""}, "1", true, 1, 1},
        {{"real", true, 0, 1, 5, 5, ""}, "0", true, 0, 1},                  // the smallest allowed
    };
    Host host;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.seed.kind) + " " + c.text);
        PlainEvaluator plain;
        DefaultEvaluator installed(&plain);
        auto edit = MakeEdit(host, c.seed);
        edit->SetWindowText(c.text);
        EXPECT_EQ(c.accepted, Validate(*edit));
        EXPECT_EQ(c.value, Value(*edit));
        EXPECT_EQ(c.evaluations, plain.m_calls);
        EXPECT_STREQ(c.text, edit->GetWindowText());  // validation never rewrites the text
    }

}

TEST(NumericEditTest, WithoutAnEvaluatorEveryTextFailsAndTheReportShowsTheRangeAndRestoresTheValue)
{
    ASSERT_EQ(nullptr, UIValueEvaluator::GetDefault());
    struct Case {
        Seed seed;
        const char* balloon;
        const char* restored;
    };
    const Case cases[] = {
        {{"long", false, 0, 0, 0, 0, ""}, "-2147483648 to 2147483647", "0"},
        {{"int", true, 1, 10, 7, 0, "от 1 до 10"}, "от 1 до 10", "7"},
        {{"real", false, 0, 0, 0, 5, ""}, "-2.0E308 to +2.0E308", "0.00000"},
        {{"real", true, 0, 1, 0.25, 3, ""}, "0.000 to 1.000", "0.250"},
        {{"real", true, 0, 10, 0, 5, ""}, "0.00000 to 10.00000", "0.00000"},
        {{"real", true, 0, 10, 0, 5, "up to %d"}, "up to %d", "0.00000"},
    };
    Host host;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.balloon);
        auto edit = MakeEdit(host, c.seed);
        edit->SetWindowText("5");
        EXPECT_FALSE(Validate(*edit));
        ReportInvalid(*edit);
        EXPECT_EQ(c.balloon, BalloonText(*edit));
        EXPECT_STREQ(c.restored, edit->GetWindowText());
        EXPECT_FALSE(IsWindowVisible(edit->GetErrorTip().GetTipWindow()));
    }
}

// The balloon's wait itself is the error tip test's; here its look, and
// that a second report reuses the first balloon (fault: a window per entry).
TEST(NumericEditTest, TheBalloonWaitsForAKeyThatReachesNoWindowAndIsMadeOnce)
{
    Host host;
    UIEditLong edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, {10, 10, 210, 34}, &host, 1001));
    edit.m_nValue = 42;
    edit.SetFocus();
    ReportInvalid(edit);
    const HWND tip = edit.GetErrorTip().GetTipWindow();
    ASSERT_NE(nullptr, tip);
    EXPECT_NE(0, GetWindowLongPtrA(tip, GWL_STYLE) & TTS_BALLOON);
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool));
    EXPECT_NE(0u, tool.uFlags & TTF_CENTERTIP);
    edit.SetWindowText("4x2");
    ReportInvalid(edit);
    EXPECT_FALSE(IsWindowVisible(tip));
    EXPECT_STREQ("42", edit.GetWindowText());
    EXPECT_EQ(tip, edit.GetErrorTip().GetTipWindow());
}

TEST(NumericEditTest, PaintsLightYellowOnlyWhenEnabledAndWritable)
{
    struct Case {
        bool enabled;
        DWORD readOnly;
        bool yellow;
    };
    Host host;
    for (const Case& c : {Case{true, 0, true}, Case{false, 0, false}, Case{true, ES_READONLY, false}}) {
        SCOPED_TRACE(c.yellow ? "enabled" : c.enabled ? "read-only" : "disabled");
        UIEditReal edit;
        ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER | c.readOnly, {10, 10, 110, 34}, &host, 1001));
        edit.EnableWindow(c.enabled);
        const WindowImage image(edit);
        EXPECT_EQ(c.yellow, image.At(image.Width() / 2, image.Height() / 2) == RGB(255, 255, 128));
    }
}
