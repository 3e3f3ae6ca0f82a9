#pragma once

// Turns the text of a numeric edit into a number. Edits hold one in their
// evaluator slot; without one, numeric edits accept nothing.
class UIValueEvaluator {
public:
    virtual ~UIValueEvaluator() = default;
    // True when `text` stands for a number, written to `value`.
    virtual bool Evaluate(const char* text, double* value, unsigned flags) = 0;

protected:
    UIValueEvaluator() = default;
    UIValueEvaluator(const UIValueEvaluator&) = default;
    UIValueEvaluator& operator=(const UIValueEvaluator&) = default;
};
