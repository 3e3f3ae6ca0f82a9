#pragma once

#include "platform/cstring.h"
#include "ui/controls/ui_modal_edit.h"
#include "ui/dialogs/ui_error_tip.h"

// What the numeric edits (UIEditLong, UIEditInt, UIEditReal) share: the text
// is not filtered while it is typed, only checked when the owner validates
// it; a rejected entry is reported in an error balloon that names the
// accepted range; an enabled, writable numeric edit is painted light yellow.
class UINumericEdit : public UIModalEdit {
    DECLARE_DYNAMIC(UINumericEdit)
public:
    // Shown in the error balloon in place of the generated range text when
    // not empty. Owners set it before they show the edit.
    CString m_strRangeText;

    // Creates the balloon on first use and shows `text` in it. Modal: returns
    // once the user has pressed a key or a mouse button.
    void ShowErrorTip(const CString& text);
    const UIErrorTip& GetErrorTip() const { return m_errorTip; }

protected:
    // The window text as a number, through the edit's evaluator (the
    // process-wide default when the edit has none yet). False for an empty
    // text, which the evaluator never sees, without an evaluator, or when
    // the evaluator refuses the text.
    bool EvaluateText(double* number);
    // Whether `number`, printed with `format`, contains a match of `pattern`.
    static bool PrintedFormMatches(const char* format, double number, const char* pattern);
    // Shows `edit`'s range text, or else `generatedRange`, in this edit's
    // balloon, then puts `restoredText` into `edit`.
    void Report(UINumericEdit& edit, const CString& generatedRange, const CString& restoredText);

    // Light yellow while enabled and writable; otherwise no brush, so that
    // the parent's default colouring applies.
    HBRUSH CtlColor(CDC& dc, UINT message) override;

private:
    UIErrorTip m_errorTip;
};
