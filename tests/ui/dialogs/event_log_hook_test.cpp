// The event-logging hook, against the stand-in KxIPC.dll libraries the tests
// build: loaded on demand, found by the decorated name, tried again while the
// entry is missing, kept once found; and the font errors logged through it.
#include "ui/dialogs/event_log_hook.h"
#include "ui/dialogs/ui_font.h"

#include "tests/support/program_process.h"
#include "tests/ui/dialogs/support/standin_libraries.h"

#include <gtest/gtest.h>

// One scenario in a process of its own: the entry, once found, stays for the
// rest of the process. Faults: a font error not logged, or logged without its text.
TEST(EventLogHookTest, LoadsOnDemandTriesAgainWhileTheEntryIsMissingAndKeepsItOnceFound)
{
    constexpr char kMarker[] = "KAC_TEST_FRESH_PROCESS";
    if (GetEnvironmentVariableA(kMarker, nullptr, 0) == 0) {
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        SetEnvironmentVariableA(kMarker, "1");
        const ProgramRun run = RunProgram(self, "--gtest_repeat=1 --gtest_filter=EventLogHookTest.*", 60000);
        SetEnvironmentVariableA(kMarker, nullptr);
        EXPECT_EQ(0u, run.exitCode) << run.output;
        return;
    }
    ASSERT_EQ(nullptr, GetModuleHandleA("KxIPC.dll"));
    UIEventLogHook::Log("nobody listens");  // no library anywhere: nothing happens
    EXPECT_EQ(nullptr, GetModuleHandleA("KxIPC.dll"));

    SetDllDirectoryA(StandInPath("kxipc-without-entry").c_str());
    UIEventLogHook::Log("entry missing");
    // Released again, so that the next error can find a library that has it.
    EXPECT_EQ(nullptr, GetModuleHandleA("KxIPC.dll"));
    SetDllDirectoryA(StandInPath("kxipc").c_str());
    UIFont font;  // each failing operation logs its error
    EXPECT_FALSE(font.Init(nullptr, true));
    EXPECT_FALSE(font.ModifyCurrentFont(nullptr, LOGFONTA{}, true));
    ASSERT_NE(nullptr, GetModuleHandleA("KxIPC.dll")) << "the decorated entry was not found";
    // Kept: found without any search folder, and the text is passed as given.
    SetDllDirectoryA(nullptr);
    UIEventLogHook::Log(CString());
    const std::vector<std::string> expected{"1||UIFont::Init () received null owner pointer.|",
                                            "1||UIFont::ModifyCurrentFont () received null owner pointer.|", "1|||"};
    EXPECT_EQ(expected, RecordedCalls("KxIPC.dll"));
}
