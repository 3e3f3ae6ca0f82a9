#include "platform/afx_message_box.h"

#include "platform/cstring.h"
#include "platform/cwinapp.h"
#include "platform/text_conversion.h"

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
    return AfxShowMessageBox(BoxOwner(), text, AfxGetAppName(), type);
}

int AfxShowMessageBox(HWND owner, const char* text, const char* caption, UINT type)
{
    return MessageBoxW(owner, WideFromNarrow(text).c_str(), WideFromNarrow(caption).c_str(), type);
}

int AfxMessageBox(UINT stringId, UINT type)
{
    CString text;
    text.LoadString(stringId);
    return AfxMessageBox(text, type);
}
