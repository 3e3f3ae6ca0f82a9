// CWnd: binding, dispatch with base chaining, reflection and destruction,
// checked on real windows and real controls by the messages that arrive.
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

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_log.Add(m_name, message);
        if (message == WM_USER + 1)
            throw std::runtime_error("handler failed");
        return CWnd::WindowProc(message, wParam, lParam);
    }

    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        m_log.Add(std::string(m_name) + ":reflected " + MessageLog::MessageName(message));
        if (m_handleReflected) {
            *result = 77;
            return true;
        }
        return CWnd::OnChildNotify(message, wParam, lParam, result);
    }

    void PostNcDestroy() override
    {
        m_log.Add(std::string(m_name) + ":PostNcDestroy bound=" + (FromHandlePermanent(m_lastHandle) ? "yes" : "no"));
    }

    MessageLog& m_log;
    const char* m_name;
    HWND m_lastHandle = nullptr;
    bool m_handleReflected = false;
};

class SelfDeletingWindow : public CWnd {
public:
    explicit SelfDeletingWindow(bool* deleted) : m_deleted(deleted) {}
    ~SelfDeletingWindow() override { *m_deleted = true; }
    void PostNcDestroy() override { delete this; }
    bool* m_deleted;
};

}  // namespace

TEST(WindowTest, CreatedWindowIsBoundBeforeItsFirstMessage)
{
    MessageLog log;
    RecordingWindow window(log, "top");
    ASSERT_TRUE(window.CreateEx(0, nullptr, "top", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    EXPECT_EQ(&window, CWnd::FromHandlePermanent(window.m_hWnd));

    static const std::vector<std::string> kCreation{"top:WM_GETMINMAXINFO", "top:WM_NCCREATE", "top:WM_NCCALCSIZE",
                                                    "top:WM_CREATE"};
    EXPECT_TRUE(SameSequence(kCreation, log.Only({WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE})));

    window.m_lastHandle = window.m_hWnd;
    log.Clear();
    EXPECT_TRUE(window.DestroyWindow());
    EXPECT_EQ(nullptr, window.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(window.m_lastHandle));
    // PostNcDestroy comes last, when the binding has already ended.
    EXPECT_TRUE(log.EndsWith({"top:WM_DESTROY", "top:WM_NCDESTROY", "top:PostNcDestroy bound=no"}));
}

TEST(WindowTest, ChildOfBoundParentCreatedInsideWmCreateIsBoundToo)
{
    // Creation nests: the hook must hand each window to its own object.
    class Parent : public CWnd {
    public:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_CREATE)
                m_childCreated = m_child.CreateEx(0, nullptr, "child", WS_CHILD | WS_VISIBLE, {0, 0, 50, 50}, this, 5);
            return CWnd::WindowProc(message, wParam, lParam);
        }
        CWnd m_child;
        bool m_childCreated = false;
    } parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    EXPECT_TRUE(parent.m_childCreated);
    EXPECT_EQ(&parent.m_child, CWnd::FromHandlePermanent(::GetDlgItem(parent.m_hWnd, 5)));
    EXPECT_EQ(&parent, CWnd::FromHandlePermanent(parent.m_hWnd));
    parent.DestroyWindow();
    EXPECT_EQ(nullptr, parent.m_child.m_hWnd);  // children are unbound as they go
}

TEST(WindowTest, SubclassingAnExistingControlKeepsItsBehaviourAndUnsubclassRestoresIt)
{
    MessageLog log;
    const HWND edit = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 30, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, edit);
    const auto original = GetWindowLongPtrA(edit, GWLP_WNDPROC);
    RecordingWindow window(log, "edit");
    ASSERT_TRUE(window.SubclassWindow(edit));
    EXPECT_FALSE(RecordingWindow(log, "again").SubclassWindow(edit));  // one object per window

    window.SetWindowText("typed");
    EXPECT_STREQ("typed", window.GetWindowText());  // the edit's own procedure stored the text
    EXPECT_FALSE(log.Entries().empty());

    EXPECT_EQ(edit, window.UnsubclassWindow());
    EXPECT_EQ(original, GetWindowLongPtrA(edit, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(edit));
    log.Clear();
    SetWindowTextA(edit, "after");
    EXPECT_TRUE(log.Entries().empty());
    DestroyWindow(edit);
}

// Faults: a self-owning window (a page, a tip) leaks or is deleted while
// bound; a scoped object leaves its window behind.
TEST(WindowTest, AnObjectThatOwnsItselfIsDeletedLastAndAScopedOneTakesItsWindow)
{
    bool deleted = false;
    auto* window = new SelfDeletingWindow(&deleted);
    ASSERT_TRUE(window->CreateEx(0, nullptr, "self", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    const HWND hwnd = window->m_hWnd;
    DestroyWindow(hwnd);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hwnd));
    HWND scopedWindow = nullptr;
    {
        CWnd scoped;
        ASSERT_TRUE(scoped.CreateEx(0, nullptr, "scoped", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
        scopedWindow = scoped.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(scopedWindow));
}

// Pins the order of reflection that controls rely on to take over their
// parent's notifications (colours, drawing, drop-downs).
TEST(WindowTest, NotificationsAreOfferedToTheChildObjectFirst)
{
    MessageLog log;
    RecordingWindow parent(log, "parent");
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    RecordingWindow child(log, "child");
    ASSERT_TRUE(child.CreateEx(0, "BUTTON", "button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, {0, 0, 80, 24}, &parent, 42));

    NMHDR header{child.m_hWnd, 42, NM_CLICK};
    log.Clear();
    EXPECT_EQ(0, parent.SendMessage(WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&header)));
    EXPECT_TRUE(log.Is({"child:reflected WM_NOTIFY", "parent:WM_NOTIFY"}));

    // A child that handles it answers for its parent, which never sees it.
    child.m_handleReflected = true;
    log.Clear();
    EXPECT_EQ(77, parent.SendMessage(WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&header)));
    EXPECT_TRUE(log.Is({"child:reflected WM_NOTIFY"}));

    log.Clear();
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(42, BN_CLICKED), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_TRUE(log.Is({"child:reflected WM_COMMAND"}));
    log.Clear();
    const HDC dc = GetDC(parent.m_hWnd);
    EXPECT_EQ(77, parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child.m_hWnd)));
    ReleaseDC(parent.m_hWnd, dc);
    EXPECT_TRUE(log.Is({"child:reflected WM_CTLCOLORSTATIC"}));

    // Menu commands and owner-drawn menu items are the parent's own.
    log.Clear();
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(100, 0), 0);
    DRAWITEMSTRUCT menuItem{};
    menuItem.CtlType = ODT_MENU;
    parent.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&menuItem));
    EXPECT_TRUE(log.Is({"parent:WM_COMMAND", "parent:WM_DRAWITEM"}));
    parent.DestroyWindow();
}

TEST(WindowTest, ExceptionInAHandlerStopsAtTheWindowProcedureAndFailsTheTest)
{
    MessageLog log;
    RecordingWindow window(log, "w");
    ASSERT_TRUE(window.CreateEx(0, nullptr, "w", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    testing::TestPartResultArray failures;
    LRESULT result = -1;
    {
        testing::ScopedFakeTestPartResultReporter reporter(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        result = window.SendMessage(WM_USER + 1);
    }
    EXPECT_EQ(0, result);
    ASSERT_EQ(1, failures.size());
    EXPECT_NE(nullptr, std::strstr(failures.GetTestPartResult(0).message(), "handler failed"));
    EXPECT_TRUE(IsWindow(window.m_hWnd));
    window.SetWindowText("still working");
    EXPECT_STREQ("still working", window.GetWindowText());
    window.DestroyWindow();
}

TEST(WindowTest, SetUpRunsOnceAfterCreationOrAttachmentAndTellsWhich)
{
    class SetUpRecorder : public CWnd {
    public:
        explicit SetUpRecorder(MessageLog& log) : m_log(log) {}
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_CREATE) {
                m_log.Add("WM_CREATE");
                if (m_failCreation)
                    return -1;
            }
            return CWnd::WindowProc(message, wParam, lParam);
        }
        void PreSubclassWindow() override
        {
            // A drop-down combo box makes its edit field while it handles WM_CREATE.
            const bool answers = ::GetWindow(m_hWnd, GW_CHILD) != nullptr;
            m_log.Add(std::string("PreSubclassWindow created=") + (IsBoundAtCreation() ? "1" : "0") +
                      " answers=" + (answers ? "1" : "0"));
        }
        MessageLog& m_log;
        bool m_failCreation = false;
    };

    MessageLog log;
    SetUpRecorder created(log);
    ASSERT_TRUE(created.CreateEx(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWN, kRect, nullptr, 0));
    EXPECT_TRUE(log.Is({"WM_CREATE", "PreSubclassWindow created=1 answers=1"}));

    const HWND existing =
        CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWN, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    log.Clear();
    SetUpRecorder attached(log);
    ASSERT_TRUE(attached.SubclassWindow(existing));
    EXPECT_TRUE(log.Is({"PreSubclassWindow created=0 answers=1"}));
    attached.DestroyWindow();

    log.Clear();
    SetUpRecorder refused(log);
    refused.m_failCreation = true;
    EXPECT_FALSE(refused.CreateEx(0, nullptr, "", WS_POPUP, kRect, nullptr, 0));
    EXPECT_TRUE(log.Is({"WM_CREATE"}));
    created.DestroyWindow();
}
