#include "ui/controls/ui_value_evaluator.h"

namespace {
// UI thread only, like the edits that read it.
UIValueEvaluator* g_pDefaultEvaluator = nullptr;
}  // namespace

UIValueEvaluator* UIValueEvaluator::GetDefault()
{
    return g_pDefaultEvaluator;
}

UIValueEvaluator* UIValueEvaluator::SetDefault(UIValueEvaluator* evaluator)
{
    UIValueEvaluator* previous = g_pDefaultEvaluator;
    g_pDefaultEvaluator = evaluator;
    return previous;
}
