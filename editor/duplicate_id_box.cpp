#include "editor/duplicate_id_box.h"

#include "platform/afx_message_box.h"

#include <utility>

namespace {

DuplicateIdBoxHook& CurrentHook()
{
    static DuplicateIdBoxHook hook;
    return hook;
}

}  // namespace

DuplicateIdBoxHook SetDuplicateIdBoxHook(DuplicateIdBoxHook hook)
{
    return std::exchange(CurrentHook(), std::move(hook));
}

void ShowDuplicateIdBox(const CString& text)
{
    if (CurrentHook()) {
        CurrentHook()(text);
        return;
    }
    AfxMessageBox(text, MB_ICONERROR);
}
