#pragma once

#include "ui/controls/ui_numeric_edit.h"

#include <climits>

// A numeric edit that holds a 32-bit signed integer in a closed range.
// UIEditLong and UIEditInt are its two kinds; they behave alike.
class UIEditInteger : public UINumericEdit {
    DECLARE_DYNAMIC(UIEditInteger)
public:
    // Owners seed these before they show the edit. The value is the last
    // accepted one; only a successful Validate changes it afterwards.
    int m_nMin = INT_MIN;
    int m_nMax = INT_MAX;
    int m_nValue = 0;

    // Evaluates the text, truncates it toward zero (a number outside the
    // 32-bit range becomes INT_MIN) and, when it lies in [min, max], stores it
    // as the value. False leaves the value as it was.
    bool Validate();
    // Shows `edit`'s range in this edit's balloon and puts `edit`'s value back
    // into its text. The in-cell editors pass themselves.
    void ReportInvalid(UIEditInteger& edit);
};
