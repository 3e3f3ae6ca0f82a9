#pragma once

#include "ui/controls/ui_numeric_edit.h"

#include <limits>

// A numeric edit that holds a double in a closed range.
class UIEditReal : public UINumericEdit {
    DECLARE_DYNAMIC(UIEditReal)
public:
    // Owners seed these before they show the edit. The value is the last
    // accepted one; only a successful Validate changes it afterwards.
    double m_dMin = std::numeric_limits<double>::lowest();
    double m_dMax = std::numeric_limits<double>::max();
    double m_dValue = 0.0;
    int m_nPrecision = 5;  // digits after the decimal point when a value is shown

    // Evaluates the text and, when the number lies in [min, max] (a NaN never
    // does), stores it as the value. False leaves the value as it was.
    bool Validate();
    // Shows `edit`'s range in this edit's balloon and puts `edit`'s value back
    // into its text, with this edit's precision. The in-cell editor passes
    // itself.
    void ReportInvalid(UIEditReal& edit);
};
