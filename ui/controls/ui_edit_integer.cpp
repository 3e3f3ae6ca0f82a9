#include "ui/controls/ui_edit_integer.h"

IMPLEMENT_DYNAMIC(UIEditInteger, UINumericEdit)

namespace {

int TruncateToInt(double number)
{
    // Also false for a NaN.
    if (number > static_cast<double>(INT_MIN) - 1.0 && number < static_cast<double>(INT_MAX) + 1.0)
        return static_cast<int>(number);
    return INT_MIN;
}

}  // namespace

bool UIEditInteger::Validate()
{
    double number = 0.0;
    // The printed form must end in digits: no infinity, no NaN.
    if (!EvaluateText(&number) || !PrintedFormMatches("%f", number, "\\z!."))
        return false;
    const int integer = TruncateToInt(number);
    if (integer < m_nMin || integer > m_nMax)
        return false;
    m_nValue = integer;
    return true;
}

void UIEditInteger::ReportInvalid(UIEditInteger& edit)
{
    CString range;
    range.Format("%ld to %ld", static_cast<long>(edit.m_nMin), static_cast<long>(edit.m_nMax));
    CString value;
    value.Format("%d", edit.m_nValue);
    Report(edit, range, value);
}
