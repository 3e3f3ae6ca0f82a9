#pragma once

// Turns the text of a numeric edit into a number. Edits hold one in their
// evaluator slot; an edit without one takes the process-wide default on its
// first validation, and without either, numeric edits accept nothing. The
// program installs no default.
class UIValueEvaluator {
public:
    virtual ~UIValueEvaluator() = default;
    // True when `text` stands for a number, written to `value`.
    virtual bool Evaluate(const char* text, double* value, unsigned flags) = 0;

    // The process-wide default; null until one is installed.
    static UIValueEvaluator* GetDefault();
    // Installs `evaluator` (null: none) as the default and returns the
    // previous one. The caller keeps ownership.
    static UIValueEvaluator* SetDefault(UIValueEvaluator* evaluator);

protected:
    UIValueEvaluator() = default;
    UIValueEvaluator(const UIValueEvaluator&) = default;
    UIValueEvaluator& operator=(const UIValueEvaluator&) = default;
};
