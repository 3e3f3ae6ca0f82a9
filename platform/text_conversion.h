#pragma once

#include <string>

class CString;

// Conversions between the process code page (CP_ACP, UTF-8 by the manifest)
// and UTF-16, for the places where Win32 or a reader speaks UTF-16.
// `length` bytes of `text`, or all of it up to its NUL when negative.
std::wstring WideFromNarrow(const char* text, int length = -1);
CString NarrowFromWide(const wchar_t* text, int length = -1);
