// UIMenuRouter in a host dialog: menu items reach their UIMenu only while
// the host tracks the popup; other owner-drawn requests are left to it.
#include "platform/cdialog.h"
#include "resources/resource.h"
#include "ui/dialogs/ui_menu.h"
#include "ui/dialogs/ui_menu_router.h"

#include <gtest/gtest.h>

namespace {

// Measures and draws the host and a bystander see during a tracked popup.
struct RouterLog {
    int hostRouted = 0;
    int hostLeft = 0;
    int bystanderRouted = 0;
};

class HostDialog : public CDialog {
public:
    explicit HostDialog(RouterLog& log) : CDialog(IDD_ABOUTBOX), m_log(log) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_MEASUREITEM || message == WM_DRAWITEM) {
            if (UIMenuRouter::RouteOwnerDraw(m_hWnd, message, lParam)) {
                ++m_log.hostRouted;
                return TRUE;
            }
            ++m_log.hostLeft;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }

private:
    RouterLog& m_log;
};

thread_local struct {
    HWND bystander;
    ULONG_PTR itemData;
    RouterLog* log;
    bool trackingSeen;
    HWND host;
} t_during{};

// Runs inside the popup's modal loop: a request for the same item at a
// window that does not track the menu, then Escape.
void CALLBACK DuringTracking(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND popup = FindWindowA("#32768", nullptr);
    if (popup == nullptr || !IsWindowVisible(popup))
        return;
    KillTimer(nullptr, timer);
    t_during.trackingSeen = UIMenuRouter::IsTrackingPopup(t_during.host);
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemData = t_during.itemData;
    if (UIMenuRouter::RouteOwnerDraw(t_during.bystander, WM_MEASUREITEM, reinterpret_cast<LPARAM>(&measure)))
        ++t_during.log->bystanderRouted;
    PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
}

}  // namespace

TEST(UIMenuRouterTest, MenuItemsReachTheirMenuOnlyWhileTheOwnerTracksThePopup)
{
    RouterLog log;
    HostDialog host(log);
    ASSERT_TRUE(host.Create(IDD_ABOUTBOX));
    host.ShowWindow(SW_SHOW);
    CWnd bystander;
    ASSERT_TRUE(bystander.CreateEx(0, nullptr, "bystander", WS_POPUP, {0, 0, 10, 10}, nullptr, 0));

    UIMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 1, "First");
    menu.AppendMenu(MF_STRING, 2, "Second");
    ASSERT_TRUE(menu.MakeOwnerDrawn(menu));
    const auto data = reinterpret_cast<ULONG_PTR>(menu.GetItem(0));

    // Not tracking: a menu item request is left to the window.
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemData = data;
    EXPECT_FALSE(UIMenuRouter::RouteOwnerDraw(host.m_hWnd, WM_MEASUREITEM, reinterpret_cast<LPARAM>(&measure)));
    EXPECT_EQ(0u, measure.itemHeight);

    t_during = {bystander.m_hWnd, data, &log, false, host.m_hWnd};
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &DuringTracking);
    EXPECT_EQ(0, menu.TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY, 100, 100, host.m_hWnd));
    KillTimer(nullptr, timer);

    EXPECT_TRUE(t_during.trackingSeen);
    EXPECT_GE(log.hostRouted, 4);  // both items measured and drawn
    EXPECT_EQ(0, log.hostLeft);
    EXPECT_EQ(0, log.bystanderRouted);
    EXPECT_FALSE(UIMenuRouter::IsTrackingPopup(host.m_hWnd));

    // Requests of controls and unknown item data are never the menu's.
    measure = {};
    measure.CtlType = ODT_BUTTON;
    measure.itemData = data;
    EXPECT_FALSE(UIMenuRouter::RouteOwnerDraw(host.m_hWnd, WM_MEASUREITEM, reinterpret_cast<LPARAM>(&measure)));
    bystander.DestroyWindow();
    host.DestroyWindow();
}
