// The numeric edits on real windows: validation through an evaluator (a plain
// number parser that each test installs as the process-wide default and takes
// away again), the range reported in the error balloon with the last accepted
// value put back, the balloon's modal wait, and the light-yellow painting.
#include "tests/support/window_image.h"
#include "ui/controls/ui_edit_int.h"
#include "ui/controls/ui_edit_long.h"
#include "ui/controls/ui_edit_real.h"
#include "ui/controls/ui_value_evaluator.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace {

constexpr COLORREF kLightYellow = RGB(255, 255, 128);

class Host : public CWnd {
public:
    Host() { EXPECT_TRUE(CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, {100, 100, 400, 200}, nullptr, 0)); }
};

// A plain number parser; counts the texts it was given.
class PlainEvaluator : public UIValueEvaluator {
public:
    bool Evaluate(const char* text, double* value, unsigned flags) override
    {
        ++m_calls;
        EXPECT_EQ(0u, flags);
        char* end = nullptr;
        *value = std::strtod(text, &end);
        return end != text && *end == '\0';
    }
    int m_calls = 0;
};

// Installs an evaluator as the process-wide default for its lifetime; the
// previous default comes back however the test ends.
class DefaultEvaluator {
public:
    explicit DefaultEvaluator(UIValueEvaluator* evaluator) : m_previous(UIValueEvaluator::SetDefault(evaluator)) {}
    ~DefaultEvaluator() { UIValueEvaluator::SetDefault(m_previous); }
    DefaultEvaluator(const DefaultEvaluator&) = delete;
    DefaultEvaluator& operator=(const DefaultEvaluator&) = delete;

private:
    UIValueEvaluator* m_previous;
};

bool Validate(UINumericEdit& edit)
{
    if (auto* integer = dynamic_cast<UIEditInteger*>(&edit))
        return integer->Validate();
    return dynamic_cast<UIEditReal&>(edit).Validate();
}

// Reports the edit on itself, as the grid's editors do. A key press queued
// beforehand ends the balloon's wait at once.
void ReportInvalid(UINumericEdit& edit)
{
    PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    if (auto* integer = dynamic_cast<UIEditInteger*>(&edit))
        integer->ReportInvalid(*integer);
    else
        dynamic_cast<UIEditReal&>(edit).ReportInvalid(dynamic_cast<UIEditReal&>(edit));
}

// The text the balloon's window holds.
std::string BalloonText(const UINumericEdit& edit)
{
    TTTOOLINFOA tool = edit.GetErrorTip().GetToolInfo();
    char text[256] = {};
    tool.lpszText = text;
    SendMessageA(edit.GetErrorTip().GetTipWindow(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

template <class Edit, class Seed>
std::unique_ptr<UINumericEdit> Make(Host& host, Seed seed)
{
    auto edit = std::make_unique<Edit>();
    EXPECT_TRUE(edit->Create(WS_VISIBLE | WS_BORDER, {10, 10, 210, 34}, &host, 1001));
    seed(*edit);
    return edit;
}

template <class Edit>
std::unique_ptr<UINumericEdit> Make(Host& host)
{
    return Make<Edit>(host, [](Edit&) {});
}

int IntegerValue(const UINumericEdit& edit) { return dynamic_cast<const UIEditInteger&>(edit).m_nValue; }

}  // namespace

TEST(NumericEditTest, ValidationTruncatesChecksTheRangeAndKeepsTheLastAcceptedValue)
{
    struct Case {
        const char* text;
        int min, max;
        bool accepted;
        int value;  // after validation; 5 before
        int evaluations;
    };
    const Case cases[] = {
        {"10.9", 1, 10, true, 10, 1},
        {"-0.5", 1, 10, false, 5, 1},                 // truncates to 0
        {"3000000000", 1, 10, false, 5, 1},           // becomes INT_MIN
        {"3000000000", INT_MIN, 0, true, INT_MIN, 1}, // ... which this range accepts
        {"1e400", INT_MIN, INT_MAX, false, 5, 1},     // no digits in the printed form
        {"ten", 1, 10, false, 5, 1},                  // refused by the evaluator
        {"", INT_MIN, INT_MAX, false, 5, 0},          // never evaluated
    };
    Host host;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        PlainEvaluator plain;
        DefaultEvaluator installed(&plain);
        auto edit = Make<UIEditInt>(host, [&](UIEditInt& e) {
            e.m_nMin = c.min;
            e.m_nMax = c.max;
            e.m_nValue = 5;
        });
        edit->SetWindowText(c.text);
        EXPECT_EQ(c.accepted, Validate(*edit));
        EXPECT_EQ(c.value, IntegerValue(*edit));
        EXPECT_EQ(c.evaluations, plain.m_calls);
        EXPECT_STREQ(c.text, edit->GetWindowText());  // validation never rewrites the text
    }
}

TEST(NumericEditTest, RealValidationAcceptsFiniteNumbersInRangeAndTheEditKeepsTheDefaultItTook)
{
    PlainEvaluator plain;
    Host host;
    UIEditReal edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, {10, 10, 210, 34}, &host, 1001));
    {
        DefaultEvaluator installed(&plain);
        for (const char* text : {"-1e308", "1.7976931348623157e308", "0.25"}) {
            edit.SetWindowText(text);
            EXPECT_TRUE(edit.Validate()) << text;
            EXPECT_EQ(std::strtod(text, nullptr), edit.m_dValue);
        }
    }
    // The edit took the default on its first validation and keeps it.
    edit.m_dMin = 0.0;
    edit.m_dMax = 1.0;
    for (const char* text : {"1.5", "nan", "inf", "-0.001"}) {
        edit.SetWindowText(text);
        EXPECT_FALSE(edit.Validate()) << text;
    }
    edit.SetWindowText("1");
    EXPECT_TRUE(edit.Validate());
    EXPECT_EQ(1.0, edit.m_dValue);
    EXPECT_EQ(8, plain.m_calls);
}

TEST(NumericEditTest, WithoutAnEvaluatorEveryTextFailsAndTheReportShowsTheRangeAndRestoresTheValue)
{
    ASSERT_EQ(nullptr, UIValueEvaluator::GetDefault());
    struct Case {
        const char* name;
        std::function<std::unique_ptr<UINumericEdit>(Host&)> make;
        const char* balloon;
        const char* restored;
    };
    const Case cases[] = {
        {"long, default range", [](Host& h) { return Make<UIEditLong>(h); }, "-2147483648 to 2147483647", "0"},
        {"int, range text",
         [](Host& h) {
             return Make<UIEditInt>(h, [](UIEditInt& e) {
                 e.m_nMin = 1;
                 e.m_nMax = 10;
                 e.m_nValue = 7;
                 e.m_strRangeText = "от 1 до 10";
             });
         },
         "от 1 до 10", "7"},
        {"real, default range", [](Host& h) { return Make<UIEditReal>(h); }, "-2.0E308 to +2.0E308", "0.00000"},
        {"real, 0 to 1 at precision 3",
         [](Host& h) {
             return Make<UIEditReal>(h, [](UIEditReal& e) {
                 e.m_dMin = 0.0;
                 e.m_dMax = 1.0;
                 e.m_dValue = 0.25;
                 e.m_nPrecision = 3;
             });
         },
         "0.000 to 1.000", "0.250"},
        {"real, 0 to 10",
         [](Host& h) {
             return Make<UIEditReal>(h, [](UIEditReal& e) {
                 e.m_dMin = 0.0;
                 e.m_dMax = 10.0;
             });
         },
         "0.00000 to 10.00000", "0.00000"},
        {"real, range text",
         [](Host& h) {
             return Make<UIEditReal>(h, [](UIEditReal& e) {
                 e.m_dMax = 10.0;
                 e.m_strRangeText = "up to %d";
             });
         },
         "up to %d", "0.00000"},
    };
    Host host;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto edit = c.make(host);
        edit->SetWindowText("5");
        EXPECT_FALSE(Validate(*edit));
        ReportInvalid(*edit);
        EXPECT_EQ(c.balloon, BalloonText(*edit));
        EXPECT_STREQ(c.restored, edit->GetWindowText());
        EXPECT_FALSE(IsWindowVisible(edit->GetErrorTip().GetTipWindow()));
    }
}

TEST(NumericEditTest, TheBalloonWaitsForAKeyThatReachesNoWindowAndIsMadeOnce)
{
    Host host;
    UIEditLong edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, {10, 10, 210, 34}, &host, 1001));
    edit.m_nValue = 42;
    edit.SetFocus();
    ReportInvalid(edit);  // makes the balloon
    const HWND tip = edit.GetErrorTip().GetTipWindow();
    ASSERT_NE(nullptr, tip);
    edit.SetWindowText("4x2");

    // Read from another thread while the edit's thread waits in the balloon.
    struct Seen {
        bool visible = false;
        LONG_PTR style = 0;
        UINT toolFlags = 0;
    } seen;
    std::thread user([&] {
        const ULONGLONG deadline = GetTickCount64() + 5000;
        while (!IsWindowVisible(tip) && GetTickCount64() < deadline)
            Sleep(1);  // another thread's window: nothing to wait on
        seen.visible = IsWindowVisible(tip) != FALSE;
        seen.style = GetWindowLongPtrA(tip, GWL_STYLE);
        TTTOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool));
        seen.toolFlags = tool.uFlags;
        PostMessageA(edit, WM_CHAR, 'z', 0);  // dropped with the key that ends the wait
        PostMessageA(edit, WM_KEYDOWN, 'Q', 0);
    });
    edit.ReportInvalid(edit);
    user.join();

    EXPECT_TRUE(seen.visible);
    EXPECT_NE(0, seen.style & TTS_BALLOON);
    EXPECT_NE(0u, seen.toolFlags & TTF_CENTERTIP);
    EXPECT_FALSE(IsWindowVisible(tip));
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, edit, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE));
    EXPECT_STREQ("42", edit.GetWindowText());
    EXPECT_EQ(tip, edit.GetErrorTip().GetTipWindow());  // made once
}

TEST(NumericEditTest, PaintsLightYellowOnlyWhenEnabledAndWritable)
{
    struct Case {
        const char* name;
        bool enabled;
        bool readOnly;
        bool yellow;
    };
    const Case cases[] = {
        {"enabled", true, false, true},
        {"disabled", false, false, false},
        {"read-only", true, true, false},
    };
    Host host;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UIEditReal edit;
        ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER | (c.readOnly ? ES_READONLY : 0), {10, 10, 110, 34}, &host, 1001));
        edit.EnableWindow(c.enabled);
        const WindowImage image(edit);
        EXPECT_EQ(c.yellow, image.At(image.Width() / 2, image.Height() / 2) == kLightYellow);
    }
}
