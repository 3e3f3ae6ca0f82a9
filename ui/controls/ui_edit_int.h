#pragma once

#include "ui/controls/ui_edit_integer.h"

// An integer edit (UIEditInteger) with a run-time class of its own.
class UIEditInt : public UIEditInteger {
    DECLARE_DYNAMIC(UIEditInt)
};
