#include "ui/controls/ui_numeric_edit.h"

#include "ui/controls/pattern.h"
#include "ui/controls/ui_value_evaluator.h"

IMPLEMENT_DYNAMIC(UINumericEdit, UIModalEdit)

namespace {
constexpr COLORREF kLightYellow = RGB(255, 255, 128);
}  // namespace

bool UINumericEdit::EvaluateText(double* number)
{
    const CString text = GetWindowText();
    if (text.IsEmpty())
        return false;
    if (m_pEvaluator == nullptr)
        m_pEvaluator = UIValueEvaluator::GetDefault();
    return m_pEvaluator != nullptr && m_pEvaluator->Evaluate(text, number, 0);
}

bool UINumericEdit::PrintedFormMatches(const char* format, double number, const char* pattern)
{
    CString printed;
    printed.Format(format, number);
    UIPattern compiled;
    UIPatternMatch match;
    return compiled.Compile(pattern) == UIPattern::NoError && compiled.Match(printed, &match);
}

void UINumericEdit::Report(UINumericEdit& edit, const CString& generatedRange, const CString& restoredText)
{
    ShowErrorTip(edit.m_strRangeText.IsEmpty() ? generatedRange : edit.m_strRangeText);
    edit.SetWindowText(restoredText);
}

void UINumericEdit::ShowErrorTip(const CString& text)
{
    if (m_errorTip.GetTipWindow() == nullptr && m_errorTip.Create(this) && m_errorTip.GetTipWindow() != nullptr) {
        // The balloon look, with its stem centred on the tracking point.
        const HWND tip = m_errorTip.GetTipWindow();
        ::SetWindowLongPtrA(tip, GWL_STYLE, ::GetWindowLongPtrA(tip, GWL_STYLE) | TTS_BALLOON);
        TTTOOLINFOA tool = m_errorTip.GetToolInfo();
        tool.uFlags |= TTF_CENTERTIP;
        ::SendMessageA(tip, TTM_SETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    m_errorTip.Show(text);
}

HBRUSH UINumericEdit::CtlColor(CDC& dc, UINT)
{
    if (!IsWindowEnabled() || (GetStyle() & ES_READONLY) != 0)
        return nullptr;
    dc.SetBkColor(kLightYellow);
    if (m_crHighlight != kLightYellow) {
        m_brHighlight.DeleteObject();
        m_brHighlight.CreateSolidBrush(kLightYellow);
        m_crHighlight = kLightYellow;
        Invalidate();
    }
    return m_brHighlight;
}
