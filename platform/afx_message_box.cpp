#include "platform/afx_message_box.h"

#include "platform/cstring.h"
#include "platform/cwinapp.h"

namespace {

CString BoxCaption()
{
    const CWinApp* app = AfxGetApp();
    if (app != nullptr && !app->m_strAppName.IsEmpty())
        return app->m_strAppName;
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString name(path);
    name = name.Mid(name.ReverseFind('\\') + 1);
    const int dot = name.ReverseFind('.');
    return dot >= 0 ? name.Left(dot) : name;
}

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
    return MessageBoxA(BoxOwner(), text != nullptr ? text : "", BoxCaption(), type);
}

int AfxMessageBox(UINT stringId, UINT type)
{
    CString text;
    text.LoadString(stringId);
    return AfxMessageBox(text, type);
}
