#pragma once

#include "platform/cstring.h"

// The running executable's full path, and its folder without a trailing
// backslash: where the program finds the files that ship beside it.
CString AfxGetModulePath();
CString AfxGetModuleFolder();
