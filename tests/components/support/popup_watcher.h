#pragma once

// The watcher moved to tests/support, shared with the help tests.
#include "tests/support/popup_watcher.h"
