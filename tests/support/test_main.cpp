// Entry point of every Windows test executable: the common controls are
// initialised as the program does before any test creates a window, and an
// exception that a message handler lets escape fails the running test.
#include "platform/cwnd.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
    InitCommonControlsEx(&controls);
    CWnd::SetHandlerExceptionReporter(
        [](const char* what) { ADD_FAILURE() << "exception escaped a message handler: " << what; });
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
