#pragma once

#include "platform/cstring.h"

// The optional event-logging library of the product, KxIPC.dll. The toolkit
// hands its set-up errors to the library's LogQuorvelinEvent; without the
// library the errors vanish silently.
class UIEventLogHook {
public:
    // Loads the library on the first error and looks up its entry; the entry,
    // once found, is kept for the rest of the process. A library without the
    // entry is released and tried again at the next error.
    static void Log(const CString& text);

    UIEventLogHook() = delete;
};
