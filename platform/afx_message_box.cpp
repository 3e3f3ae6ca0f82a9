#include "platform/afx_message_box.h"

#include "platform/cstring.h"
#include "platform/cwinapp.h"

namespace {

// The box is modal to the window the user works in, so it cannot slip
// behind it.
HWND BoxOwner()
{
    const HWND active = GetActiveWindow();
    if (active == nullptr)
        return nullptr;
    return GetLastActivePopup(GetAncestor(active, GA_ROOT));
}

}  // namespace

int AfxMessageBox(const char* text, UINT type)
{
    return MessageBoxA(BoxOwner(), text != nullptr ? text : "", AfxGetAppName(), type);
}

int AfxMessageBox(UINT stringId, UINT type)
{
    CString text;
    text.LoadString(stringId);
    return AfxMessageBox(text, type);
}
