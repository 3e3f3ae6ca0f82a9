#pragma once

#include "platform/cstring.h"

// Paths of the directory tree travel without a trailing backslash (C:,
// C:\Folder); the shell and the folder search are asked with one (C:\).
CString WithTrailingBackslash(const CString& path);
// Cuts one trailing backslash, if there is one.
CString WithoutTrailingBackslash(const CString& path);
