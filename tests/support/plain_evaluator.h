#pragma once

#include "ui/controls/ui_value_evaluator.h"

#include <cstdlib>

// A plain number parser for the numeric edits, which accept nothing without
// an evaluator; counts the texts it was given.
class PlainEvaluator : public UIValueEvaluator {
public:
    bool Evaluate(const char* text, double* value, unsigned flags) override
    {
        ++m_calls;
        char* end = nullptr;
        *value = std::strtod(text, &end);
        return flags == 0 && end != text && *end == '\0';
    }
    int m_calls = 0;
};

// The process-wide default for the scope's lifetime; the previous one comes
// back however the test ends.
class DefaultEvaluator {
public:
    explicit DefaultEvaluator(UIValueEvaluator* evaluator) : m_previous(UIValueEvaluator::SetDefault(evaluator)) {}
    ~DefaultEvaluator() { UIValueEvaluator::SetDefault(m_previous); }
    DefaultEvaluator(const DefaultEvaluator&) = delete;
    DefaultEvaluator& operator=(const DefaultEvaluator&) = delete;

private:
    UIValueEvaluator* m_previous;
};
