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
