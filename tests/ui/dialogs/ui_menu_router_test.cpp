// UIMenuRouter: menu items reach their UIMenu only while the window asking
// tracks the popup; other owner-drawn requests are left to the window.
// Faults: the right-click menu's items drawn by nobody (empty), or another
// window's owner-drawn requests taken over.
#include "tests/support/host_window.h"
#include "ui/dialogs/ui_menu.h"
#include "ui/dialogs/ui_menu_router.h"

#include <gtest/gtest.h>

namespace {

// Routes its owner-draw requests as the main dialog does, counting them.
class Owner : public HostWindow {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_MEASUREITEM && message != WM_DRAWITEM)
            return HostWindow::WindowProc(message, wParam, lParam);
        ++(UIMenuRouter::RouteOwnerDraw(m_hWnd, message, lParam) ? m_routed : m_left);
        return TRUE;
    }
    int m_routed = 0, m_left = 0;
};

// What happens inside the popup's modal loop: whether the owner is seen
// tracking, and whether a request for the same item at another window is routed.
thread_local struct {
    HWND owner, bystander;
    ULONG_PTR item;
    bool tracking, bystanderRouted;
} t_during{};

bool Measure(HWND window, UINT type, ULONG_PTR item)
{
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = type;
    measure.itemData = item;
    return UIMenuRouter::RouteOwnerDraw(window, WM_MEASUREITEM, reinterpret_cast<LPARAM>(&measure));
}

void CALLBACK DuringTracking(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND popup = FindWindowA("#32768", nullptr);
    if (popup == nullptr || !IsWindowVisible(popup))
        return;
    KillTimer(nullptr, timer);
    t_during.tracking = UIMenuRouter::IsTrackingPopup(t_during.owner);
    t_during.bystanderRouted = Measure(t_during.bystander, ODT_MENU, t_during.item);
    PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
}

}  // namespace

TEST(UIMenuRouterTest, MenuItemsReachTheirMenuOnlyWhileTheOwnerTracksThePopup)
{
    Owner owner;
    HostWindow bystander({0, 0, 10, 10}, WS_POPUP);
    UIMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 1, "First");
    menu.AppendMenu(MF_STRING, 2, "Second");
    ASSERT_TRUE(menu.MakeOwnerDrawn(menu));
    const auto item = reinterpret_cast<ULONG_PTR>(menu.GetItem(0));
    EXPECT_FALSE(Measure(owner, ODT_MENU, item));  // not tracking

    t_during = {owner.m_hWnd, bystander.m_hWnd, item, false, false};
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &DuringTracking);
    EXPECT_EQ(0, menu.TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY, 100, 100, owner.m_hWnd));
    KillTimer(nullptr, timer);
    EXPECT_TRUE(t_during.tracking);
    EXPECT_FALSE(t_during.bystanderRouted);
    EXPECT_GE(owner.m_routed, 4);  // both items measured and drawn
    EXPECT_EQ(0, owner.m_left);
    EXPECT_FALSE(UIMenuRouter::IsTrackingPopup(owner));
    EXPECT_FALSE(Measure(owner, ODT_BUTTON, item));  // a control's request is never the menu's
}
