#pragma once

#include "platform/cstring.h"

class CPropertyCollection;

// A "Windows Registry Editor Version 5.00" file of what the first Apply
// writes for a freshly loaded definition file, where nothing is stored yet:
// every attribute at its default, in the order Apply writes them, so that a
// later write to the same value wins on import too. Reset actions appear as
// comments, and as the change itself when their default asks for it (1).
// Narrow text with CRLF line ends; the caller writes it as UTF-16LE.
CString RegFileOfFirstApply(const CPropertyCollection& collection);

// A .reg file of the values this user's registry holds now for every
// attribute of the collection, so that importing it restores them. A key
// that exists is named even when its value is missing, so that it exists
// again after the import. Missing values, values that are not REG_DWORD,
// missing keys and reset actions are comments.
CString RegFileOfCurrentValues(const CPropertyCollection& collection);
