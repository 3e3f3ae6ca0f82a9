#pragma once

// For tests of process-wide state that is set once and kept (a cached entry
// point): the running test runs again alone in a new process of this
// executable, where nothing has been set yet.

// True inside that new process.
bool InFreshProcess();
// Runs the current test in a new process; its exit code (0 when it passed).
// The child's output goes to this process's output.
int RunCurrentTestInFreshProcess();
