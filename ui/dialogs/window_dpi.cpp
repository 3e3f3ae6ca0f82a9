#include "ui/dialogs/window_dpi.h"

namespace {

const wchar_t kDpiProperty[] = L"KestAdvConfig.Dpi";

BOOL CALLBACK SendDpiChanged(HWND window, LPARAM dpis)
{
    ::SendMessageW(window, DpiChangedMessage(), LOWORD(dpis), HIWORD(dpis));
    return TRUE;
}

}  // namespace

UINT WindowDpi(HWND window)
{
    if (window == nullptr)
        return GetDpiForSystem();
    const HWND root = ::GetAncestor(window, GA_ROOT);
    if (const auto kept = reinterpret_cast<UINT_PTR>(::GetPropW(root != nullptr ? root : window, kDpiProperty)))
        return static_cast<UINT>(kept);
    const UINT dpi = ::GetDpiForWindow(window);
    return dpi != 0 ? dpi : GetDpiForSystem();
}

void SetWindowDpi(HWND root, UINT dpi)
{
    if (dpi == 0)
        ::RemovePropW(root, kDpiProperty);
    else
        ::SetPropW(root, kDpiProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(dpi)));
}

UINT DpiChangedMessage()
{
    static const UINT message = ::RegisterWindowMessageA("KestAdvConfig.DpiChanged");
    return message;
}

void NotifyDpiChanged(HWND root, UINT newDpi, UINT oldDpi)
{
    // EnumChildWindows reaches every descendant, not the direct children only.
    ::EnumChildWindows(root, SendDpiChanged, MAKELPARAM(newDpi, oldDpi));
}
