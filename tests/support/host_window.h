#pragma once

#include "platform/cwnd.h"

#include <gtest/gtest.h>

// A plain visible top-level window that holds the controls under test; its
// window goes with the object, and with it the children.
class HostWindow : public CWnd {
public:
    explicit HostWindow(const RECT& area = {0, 0, 500, 400}, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE)
    {
        EXPECT_TRUE(CreateEx(0, nullptr, "host", style, area, nullptr, 0));
    }
};
