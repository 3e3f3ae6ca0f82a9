#pragma once

#include <string>

class CString;

// Conversions between the process code page (CP_ACP, UTF-8 by the manifest)
// and UTF-16, for the places where Win32 or a reader speaks UTF-16.
std::wstring WideFromNarrow(const char* text);
CString NarrowFromWide(const wchar_t* text, int length = -1);
