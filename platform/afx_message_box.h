#pragma once

#include <windows.h>

// A message box for the caller's text, captioned with the application's name
// (the executable's when there is no application object), owned by the
// active window of this thread. Returns the button pressed.
int AfxMessageBox(const char* text, UINT type = MB_OK);
// The same with a string-table entry of the resource module.
int AfxMessageBox(UINT stringId, UINT type = MB_OK);
// A message box with its own owner and caption.
int AfxShowMessageBox(HWND owner, const char* text, const char* caption, UINT type);
