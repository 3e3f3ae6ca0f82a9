#include "ui/controls/ui_edit_real.h"

IMPLEMENT_DYNAMIC(UIEditReal, UINumericEdit)

bool UIEditReal::Validate()
{
    double number = 0.0;
    // The printed form must hold digits around the point: no infinity, no NaN.
    if (!EvaluateText(&number) || !PrintedFormMatches("%.12f", number, "\\d.\\d"))
        return false;
    if (!(m_dMin <= number && number <= m_dMax))
        return false;
    m_dValue = number;
    return true;
}

void UIEditReal::ReportInvalid(UIEditReal& edit)
{
    // The extremes of double read as round figures rather than 309 digits.
    CString lower("-2.0E308");
    if (edit.m_dMin != std::numeric_limits<double>::lowest())
        lower.Format("%.*f", edit.m_nPrecision, edit.m_dMin);
    CString upper("+2.0E308");
    if (edit.m_dMax != std::numeric_limits<double>::max())
        upper.Format("%.*f", edit.m_nPrecision, edit.m_dMax);
    CString range;
    range.Format("%s to %s", lower.GetString(), upper.GetString());
    CString value;
    value.Format("%.*f", m_nPrecision, edit.m_dValue);
    Report(edit, range, value);
}
