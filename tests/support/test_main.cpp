// Entry point of every Windows test executable: the common controls are
// initialised as the program does before any test creates a window, and an
// exception that a message handler lets escape fails the running test.
#include "platform/cwnd.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

namespace {
void FailTheRunningTest(const char* what)
{
    ADD_FAILURE() << "exception escaped a message handler: " << what;
}
}  // namespace

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0xFF;
    InitCommonControlsEx(&controls);
    CWnd::SetHandlerExceptionReporter(&FailTheRunningTest);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
