// The edits on real windows: the numeric ones' validation through an evaluator
// (a plain number parser a test installs and takes away again), the error
// balloon with the range and the last accepted value put back; each face.
#include "tests/support/host_window.h"
#include "tests/support/plain_evaluator.h"
#include "tests/support/tool_tip_text.h"
#include "tests/support/window_image.h"
#include "ui/controls/ui_edit.h"
#include "ui/controls/ui_edit_long.h"
#include "ui/controls/ui_edit_real.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// An edit seeded as the grid seeds it: a whole-number or a real one, its
// range only when min < max, its last accepted value, precision, range text.
struct Seed {
    bool real;
    double min, max, value;
    int precision;
    const char* rangeText;
};

class SeededEdit {
public:
    SeededEdit(CWnd& host, const Seed& s) : m_real(s.real)
    {
        if (s.min < s.max) {
            m_integer.m_nMin = static_cast<int>(s.min), m_integer.m_nMax = static_cast<int>(s.max);
            m_reals.m_dMin = s.min, m_reals.m_dMax = s.max;
        }
        m_integer.m_nValue = static_cast<int>(s.value);
        m_reals.m_dValue = s.value;
        m_reals.m_nPrecision = s.precision;
        Edit().m_strRangeText = s.rangeText;
        EXPECT_TRUE(Edit().Create(WS_VISIBLE | WS_BORDER, {10, 10, 210, 34}, &host, 1001));
    }
    UINumericEdit& Edit() { return m_real ? static_cast<UINumericEdit&>(m_reals) : m_integer; }
    bool Validate() { return m_real ? m_reals.Validate() : m_integer.Validate(); }
    double Value() const { return m_real ? m_reals.m_dValue : m_integer.m_nValue; }
    // Reported on itself, as the grid's editors do; a key queued beforehand
    // ends the balloon's wait at once.
    void ReportInvalid()
    {
        PostMessageA(Edit(), WM_KEYDOWN, VK_ESCAPE, 0);
        m_real ? m_reals.ReportInvalid(m_reals) : m_integer.ReportInvalid(m_integer);
    }

private:
    bool m_real;
    UIEditLong m_integer;
    UIEditReal m_reals;
};

}  // namespace

// The program installs no evaluator, so this road is never taken there: a few
// rows. Faults: the largest or smallest allowed number refused, a value that
// is not kept, a text refused by the evaluator, infinite or out of range accepted.
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
        {{false, 1, 10, 5, 0, ""}, "10.9", true, 10, 1},  // truncated: the largest allowed
        {{false, 0, 0, 5, 0, ""}, "1e400", false, 5, 1},  // infinite
        {{false, 1, 10, 5, 0, ""}, "ten", false, 5, 1},   // refused by the evaluator
        {{false, 0, 0, 5, 0, ""}, "", false, 5, 0},       // never evaluated
        {{true, 0, 1, 5, 5, ""}, "1.5", false, 5, 1},
        {{true, 0, 1, 5, 5, ""}, "nan", false, 5, 1},
        {{true, 0, 1, 5, 5, ""}, "0", true, 0, 1},  // the smallest allowed
    };
    HostWindow host;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        PlainEvaluator plain;
        DefaultEvaluator installed(&plain);
        SeededEdit edit(host, c.seed);
        edit.Edit().SetWindowText(c.text);
        EXPECT_EQ(c.accepted, edit.Validate());
        EXPECT_EQ(c.value, edit.Value());
        EXPECT_EQ(c.evaluations, plain.m_calls);
        EXPECT_STREQ(c.text, edit.Edit().GetWindowText());  // validation never rewrites the text
    }
}

// Without an evaluator, as the program runs, every text fails. Faults: a wrong
// range in the balloon, the value not put back, the balloon left up or made
// again for each report.
TEST(NumericEditTest, WithoutAnEvaluatorEveryTextFailsAndOneBalloonShowsTheRangeAndRestoresTheValue)
{
    ASSERT_EQ(nullptr, UIValueEvaluator::GetDefault());
    struct Case {
        Seed seed;
        const char* balloon;
        const char* restored;
    };
    const Case cases[] = {
        {{false, 0, 0, 0, 0, ""}, "-2147483648 to 2147483647", "0"},
        {{false, 1, 10, 7, 0, "от 1 до 10"}, "от 1 до 10", "7"},
        {{true, 0, 0, 0, 5, ""}, "-2.0E308 to +2.0E308", "0.00000"},
        {{true, 0, 1, 0.25, 3, ""}, "0.000 to 1.000", "0.250"},
        {{true, 0, 10, 0, 5, "up to %d"}, "up to %d", "0.00000"},
    };
    HostWindow host;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.balloon);
        SeededEdit edit(host, c.seed);
        edit.Edit().SetWindowText("5");
        EXPECT_FALSE(edit.Validate());
        edit.ReportInvalid();
        EXPECT_EQ(c.balloon, ToolTipText(edit.Edit().GetErrorTip().GetTipWindow()));
        EXPECT_STREQ(c.restored, edit.Edit().GetWindowText());
        const HWND tip = edit.Edit().GetErrorTip().GetTipWindow();
        EXPECT_FALSE(IsWindowVisible(tip));
        EXPECT_NE(0, GetWindowLongPtrA(tip, GWL_STYLE) & TTS_BALLOON);
        edit.ReportInvalid();
        EXPECT_EQ(tip, edit.Edit().GetErrorTip().GetTipWindow());
    }
}

// Faults: a disabled field that looks as if it could be typed in, an
// enabled one left grey, a read-only number field painted light yellow.
TEST(NumericEditTest, EachFieldPaintsTheFaceOfItsState)
{
    const COLORREF yellow = RGB(255, 255, 128), window = GetSysColor(COLOR_WINDOW), face = GetSysColor(COLOR_BTNFACE);
    const struct {
        const char* name;
        bool number, enabled;
        DWORD readOnly;
        COLORREF colour;
        bool shown;  // whether the face is that colour
    } rows[] = {
        {"text", false, true, 0, window, true},         {"disabled text", false, false, 0, face, true},
        {"number", true, true, 0, yellow, true},        {"disabled number", true, false, 0, yellow, false},
        {"read-only number", true, true, ES_READONLY, yellow, false},
    };
    HostWindow host;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        UIEdit text;
        UIEditReal number;
        UIEdit& edit = row.number ? number : text;
        ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER | row.readOnly, {10, 10, 110, 34}, &host, 1001));
        edit.EnableWindow(row.enabled);
        const WindowImage image(edit);
        EXPECT_EQ(row.shown, image.At(image.Width() / 2, image.Height() / 2) == row.colour);
    }
}
