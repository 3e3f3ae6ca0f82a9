#pragma once

#include "platform/cstring.h"

#include <functional>

// The one message the user can see from loading the definition file: string
// 113, formatted with the Id. By default a message box with the error icon;
// tests and KestAdvCheck install a hook that records the text instead.
using DuplicateIdBoxHook = std::function<void(const CString& text)>;

// Installs a hook, or the message box again when empty; returns the previous one.
DuplicateIdBoxHook SetDuplicateIdBoxHook(DuplicateIdBoxHook hook);

void ShowDuplicateIdBox(const CString& text);
