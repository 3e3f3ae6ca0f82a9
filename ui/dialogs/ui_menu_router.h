#pragma once

#include <windows.h>

// Routing for owner windows of tracked UIMenus: a window passes its
// WM_MEASUREITEM and WM_DRAWITEM here before its normal handling.
class UIMenuRouter {
public:
    // True when the request was for an item of a UIMenu (ODT_MENU) while
    // `owner` is the window tracking a popup on this thread, and was measured
    // or drawn by that menu. False for everything else, which then gets the
    // owner's normal handling: requests of controls, and menu items while
    // another window tracks the menu or none is tracked.
    static bool RouteOwnerDraw(HWND owner, UINT message, LPARAM lParam);

    // Whether `owner` tracks a popup menu on this thread now.
    static bool IsTrackingPopup(HWND owner);
};
