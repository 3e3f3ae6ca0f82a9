// CWnd on real windows and controls, judged by the messages that arrive:
// binding, reflected notifications, exceptions kept in, set-up once.
#include "platform/cwnd.h"
#include "tests/support/message_log.h"

#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <commctrl.h>

#include <cstring>
#include <stdexcept>

namespace {

const RECT kRect{10, 10, 310, 210};

// Records every message it sees, then lets the base class handle it.
class RecordingWindow : public CWnd {
public:
    RecordingWindow(MessageLog& log, const char* name) : m_log(log), m_name(name) {}
    ~RecordingWindow() override { m_log.Add(std::string(m_name) + ":deleted"); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_log.Add(m_name, message);
        if (message == WM_USER + 1)
            throw std::runtime_error("handler failed");
        if (message == WM_CREATE && m_childInCreate != nullptr)
            m_childInCreate->CreateEx(0, nullptr, "child", WS_CHILD | WS_VISIBLE, {0, 0, 50, 50}, this, 5);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        m_log.Add(std::string(m_name) + ":reflected " + MessageLog::MessageName(message));
        if (!m_handleReflected)
            return CWnd::OnChildNotify(message, wParam, lParam, result);
        *result = 77;
        return true;
    }
    void PostNcDestroy() override
    {
        m_log.Add(std::string(m_name) + ":PostNcDestroy bound=" + (FromHandlePermanent(m_lastHandle) ? "yes" : "no"));
        if (m_ownsItself)
            delete this;
    }

    MessageLog& m_log;
    const char* m_name;
    CWnd* m_childInCreate = nullptr;
    HWND m_lastHandle = nullptr;
    bool m_handleReflected = false;
    bool m_ownsItself = false;
};

}  // namespace

// Faults: WM_GETMINMAXINFO (before WM_NCCREATE) misses the object; a child
// made in its parent's WM_CREATE is bound to the parent's object; an exception
// unwinds through the system instead of being reported (here: as a test
// failure); PostNcDestroy runs still bound; a self-owning window (a page, a
// tip) is not deleted; children stay bound; a scoped object leaves its window.
TEST(WindowTest, ObjectIsBoundFromTheFirstMessageUntilJustBeforePostNcDestroy)
{
    MessageLog log;
    auto* window = new RecordingWindow(log, "top");
    window->m_ownsItself = true;
    CWnd child;
    window->m_childInCreate = &child;
    ASSERT_TRUE(window->CreateEx(0, nullptr, "top", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    EXPECT_TRUE(SameSequence({"top:WM_GETMINMAXINFO", "top:WM_NCCREATE", "top:WM_CREATE"},
                             log.Only({WM_GETMINMAXINFO, WM_NCCREATE, WM_CREATE})));
    const HWND hwnd = window->m_lastHandle = window->m_hWnd;
    EXPECT_EQ(&child, CWnd::FromHandlePermanent(::GetDlgItem(hwnd, 5)));

    testing::TestPartResultArray failures;
    {
        testing::ScopedFakeTestPartResultReporter reporter(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        EXPECT_EQ(0, window->SendMessage(WM_USER + 1));
    }
    ASSERT_EQ(1, failures.size());
    EXPECT_NE(nullptr, std::strstr(failures.GetTestPartResult(0).message(), "handler failed"));
    window->SetWindowText("still working");
    EXPECT_STREQ("still working", window->GetWindowText());

    EXPECT_TRUE(DestroyWindow(hwnd));
    EXPECT_EQ(nullptr, child.m_hWnd);
    EXPECT_TRUE(log.EndsWith({"top:WM_NCDESTROY", "top:PostNcDestroy bound=no", "top:deleted"}));
    HWND scopedWindow = nullptr;
    {
        CWnd scoped;
        ASSERT_TRUE(scoped.CreateEx(0, nullptr, "scoped", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
        scopedWindow = scoped.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(scopedWindow));
}

// Fault: controls never see their own notifications (colours, drawing,
// drop-downs fall back to the system's); menu commands and items are the parent's.
TEST(WindowTest, NotificationsAreOfferedToTheChildObjectFirst)
{
    MessageLog log;
    RecordingWindow parent(log, "parent");
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    RecordingWindow child(log, "child");
    ASSERT_TRUE(child.CreateEx(0, "BUTTON", "button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, {0, 0, 80, 24}, &parent, 42));
    const auto fromChild = reinterpret_cast<LPARAM>(child.m_hWnd);
    NMHDR header{child.m_hWnd, 42, NM_CLICK};
    DRAWITEMSTRUCT menuItem{};
    menuItem.CtlType = ODT_MENU;
    const HDC dc = GetDC(parent.m_hWnd);
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool childHandles;
        LRESULT result;
        std::vector<std::string> log;
    } rows[] = {
        {WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&header), false, 0, {"child:reflected WM_NOTIFY", "parent:WM_NOTIFY"}},
        {WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&header), true, 77, {"child:reflected WM_NOTIFY"}},
        {WM_COMMAND, MAKEWPARAM(42, BN_CLICKED), fromChild, true, 77, {"child:reflected WM_COMMAND"}},
        {WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), fromChild, true, 77, {"child:reflected WM_CTLCOLORSTATIC"}},
        {WM_COMMAND, MAKEWPARAM(100, 0), 0, true, 0, {"parent:WM_COMMAND"}},
        {WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&menuItem), true, 0, {"parent:WM_DRAWITEM"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(MessageLog::MessageName(row.message));
        child.m_handleReflected = row.childHandles;
        log.Clear();
        EXPECT_EQ(row.result, parent.SendMessage(row.message, row.wParam, row.lParam));
        EXPECT_TRUE(log.Is(row.log));
    }
    ReleaseDC(parent.m_hWnd, dc);
    parent.DestroyWindow();
}

// Faults: set-up runs before a drop-down combo box made its edit field (in
// WM_CREATE), twice, not for an attached window, or after a failed creation;
// an attached control loses its own behaviour, two objects take one window,
// a detached window keeps our procedure.
TEST(WindowTest, SetUpRunsOnceAfterCreationOrAttachmentAndTellsWhich)
{
    struct SetUpRecorder : CWnd {
        MessageLog log;
        bool failCreation = false;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_CREATE)
                log.Add("WM_CREATE");
            return message == WM_CREATE && failCreation ? -1 : CWnd::WindowProc(message, wParam, lParam);
        }
        void PreSubclassWindow() override
        {
            log.Add(std::string("set-up created=") + (IsBoundAtCreation() ? "1" : "0") +
                    " parts=" + (::GetWindow(m_hWnd, GW_CHILD) != nullptr ? "1" : "0"));
        }
    } created, attached, refused;
    ASSERT_TRUE(created.CreateEx(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWN, kRect, nullptr, 0));
    EXPECT_TRUE(created.log.Is({"WM_CREATE", "set-up created=1 parts=1"}));
    const HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWN, 0, 0, 100, 100, nullptr, nullptr,
                                       nullptr, nullptr);
    const auto original = GetWindowLongPtrA(combo, GWLP_WNDPROC);
    ASSERT_TRUE(attached.SubclassWindow(combo));
    EXPECT_TRUE(attached.log.Is({"set-up created=0 parts=1"}));
    EXPECT_FALSE(CWnd().SubclassWindow(combo));
    attached.SetWindowText("typed");
    char field[8] = {};
    GetWindowTextA(GetWindow(combo, GW_CHILD), field, sizeof field);  // only the combo box's procedure fills it
    EXPECT_STREQ("typed", field);
    EXPECT_EQ(combo, attached.UnsubclassWindow());
    EXPECT_EQ(original, GetWindowLongPtrA(combo, GWLP_WNDPROC));
    DestroyWindow(combo);
    refused.failCreation = true;
    EXPECT_FALSE(refused.CreateEx(0, nullptr, "", WS_POPUP, kRect, nullptr, 0));
    EXPECT_TRUE(refused.log.Is({"WM_CREATE"}));
}
