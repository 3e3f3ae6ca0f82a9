// CDialog: initialisation order, item binding, and the modal loop's
// pre-translation from the target window up through its parents.
#include "platform/cbutton.h"
#include "platform/cdialog.h"
#include "resources/resource.h"
#include "tests/support/message_log.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A window that records the messages offered to its PreTranslateMessage.
class PreTranslateRecorder : public CWnd {
public:
    PreTranslateRecorder(MessageLog& log, const char* name) : m_log(log), m_name(name) {}
    bool PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN || msg->message == WM_CHAR)
            m_log.Add(m_name, msg->message);
        return msg->message == WM_CHAR && m_swallowChars;
    }
    MessageLog& m_log;
    const char* m_name;
    bool m_swallowChars = false;
};

// A dialog over the About template whose initialisation runs a scenario.
class ScenarioDialog : public CDialog {
public:
    explicit ScenarioDialog(MessageLog& log, CWnd* parent = nullptr) : CDialog(IDD_ABOUTBOX, parent), m_log(log) {}

    std::function<void(ScenarioDialog&)> m_onInit;
    CButton m_okButton;
    CButton m_missingItem;
    MessageLog& m_log;
    bool m_itemsExistedBeforeInit = false;
    bool m_bindMissingItemOnSave = false;

protected:
    void PreInitDialog() override
    {
        m_log.Add("PreInitDialog");
        m_itemsExistedBeforeInit = ::GetDlgItem(m_hWnd, IDOK) != nullptr;
    }
    bool OnInitDialog() override
    {
        m_log.Add("OnInitDialog");
        CDialog::OnInitDialog();
        if (m_onInit)
            m_onInit(*this);
        return true;
    }
    void DoDataExchange(CDataExchange* dx) override
    {
        m_log.Add(std::string("DoDataExchange save=") + (dx->m_bSaveAndValidate ? "1" : "0"));
        DDX_Control(dx, IDOK, m_okButton);
        if (dx->m_bSaveAndValidate && m_bindMissingItemOnSave)
            DDX_Control(dx, 4242, m_missingItem);
    }
    void OnSetFont(HFONT font) override
    {
        const bool stored = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)) == font;
        m_log.Add(std::string("OnSetFont stored=") + (stored ? "1" : "0") +
                  " items=" + (::GetDlgItem(m_hWnd, IDOK) != nullptr ? "1" : "0"));
    }
    bool PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN || msg->message == WM_CHAR)
            m_log.Add("dialog", msg->message);
        return CDialog::PreTranslateMessage(msg);
    }
    void OnCancel() override
    {
        m_log.Add("OnCancel");
        CDialog::OnCancel();
    }
};

void PostKey(HWND target, WPARAM key)
{
    PostMessageA(target, WM_KEYDOWN, key, 1);
}

}  // namespace

// Faults: items missing when initialisation runs, the font set after the
// items, an item bound by data exchange that never sees its messages.
TEST(DialogTest, InitialisationRunsPreInitThenOnInitAndBindsItems)
{
    MessageLog log;
    ScenarioDialog dialog(log);
    CWnd* boundObject = nullptr;
    dialog.m_onInit = [&](ScenarioDialog& d) {
        boundObject = CWnd::FromHandlePermanent(::GetDlgItem(d.m_hWnd, IDOK));
        d.EndDialog(17);
    };
    EXPECT_EQ(17, dialog.DoModal());
    EXPECT_TRUE(dialog.m_itemsExistedBeforeInit);
    // The template's font comes first, stored already, before the items exist.
    EXPECT_TRUE(log.Is({"OnSetFont stored=1 items=0", "PreInitDialog", "OnInitDialog", "DoDataExchange save=0"}));
    EXPECT_EQ(&dialog.m_okButton, boundObject);
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    EXPECT_EQ(nullptr, dialog.m_okButton.m_hWnd);  // unbound when its window went
}

TEST(DialogTest, KeysPassTargetThenParentsThenTheDialogBeforeIsDialogMessage)
{
    MessageLog log;
    ScenarioDialog dialog(log);
    PreTranslateRecorder panel(log, "panel");
    PreTranslateRecorder edit(log, "edit");
    dialog.m_onInit = [&](ScenarioDialog& d) {
        ASSERT_TRUE(panel.CreateEx(WS_EX_CONTROLPARENT, nullptr, "", WS_CHILD | WS_VISIBLE, {0, 0, 100, 40}, &d, 500));
        ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, {0, 0, 80, 20}, &panel, 501));
        edit.SetFocus();
        PostMessageA(edit.m_hWnd, WM_CHAR, 'x', 1);
        PostKey(edit.m_hWnd, VK_ESCAPE);
    };
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    // IsDialogMessage turned Escape into Cancel after every pre-translation.
    static const std::vector<std::string> kOrder{"edit:WM_CHAR",    "panel:WM_CHAR",     "dialog:WM_CHAR", "edit:WM_KEYDOWN",
                                                 "panel:WM_KEYDOWN", "dialog:WM_KEYDOWN", "OnCancel"};
    EXPECT_TRUE(log.EndsWith(kOrder));
    // A message the target handles goes no further; Enter presses the default button.
    log.Clear();
    edit.m_swallowChars = true;
    dialog.m_onInit = [&](ScenarioDialog& d) {
        ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, {0, 0, 80, 20}, &d, 501));
        edit.SetFocus();
        PostMessageA(edit.m_hWnd, WM_CHAR, 'x', 1);
        PostKey(edit.m_hWnd, VK_RETURN);
    };
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(SameSequence({"edit:WM_CHAR"}, log.Only({WM_CHAR})));
}

// The owner is the given parent, else the active window: disabled while the
// dialog runs (the user cannot click behind it), enabled after.
TEST(DialogTest, OwnerIsDisabledWhileTheDialogRunsAndEnabledAfter)
{
    for (const bool given : {true, false}) {
        SCOPED_TRACE(given ? "parent given" : "the active window");
        MessageLog log;
        CWnd owner;
        ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 200, 200}, nullptr, 0));
        SetActiveWindow(owner.m_hWnd);
        ASSERT_EQ(owner.m_hWnd, GetActiveWindow());
        ScenarioDialog dialog(log, given ? &owner : nullptr);
        bool ownerEnabledDuringDialog = true;
        HWND dialogOwner = nullptr;
        dialog.m_onInit = [&](ScenarioDialog& d) {
            ownerEnabledDuringDialog = owner.IsWindowEnabled();
            dialogOwner = GetWindow(d.m_hWnd, GW_OWNER);
            d.PostMessage(WM_CLOSE);
        };
        EXPECT_EQ(IDCANCEL, dialog.DoModal());  // the close box cancels
        EXPECT_FALSE(ownerEnabledDuringDialog);
        EXPECT_EQ(owner.m_hWnd, dialogOwner);
        EXPECT_TRUE(owner.IsWindowEnabled());
        owner.DestroyWindow();
    }
}

TEST(DialogTest, FailedDataExchangeKeepsTheDialogOpen)
{
    MessageLog log;
    ScenarioDialog dialog(log);
    dialog.m_bindMissingItemOnSave = true;
    dialog.m_onInit = [](ScenarioDialog& d) {
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
    };
    EXPECT_EQ(IDCANCEL, dialog.DoModal());  // OK did not close it
    EXPECT_TRUE(log.EndsWith({"DoDataExchange save=1", "OnCancel"}));
}

TEST(DialogTest, QuitMessageEndsTheModalLoopAndStaysQueued)
{
    MessageLog log;
    ScenarioDialog dialog(log);
    dialog.m_onInit = [](ScenarioDialog&) { PostQuitMessage(3); };
    EXPECT_EQ(-1, dialog.DoModal());
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3u, msg.wParam);
}

TEST(DialogTest, MissingTemplateFailsWithMinusOne)
{
    CDialog dialog(4242);
    EXPECT_EQ(-1, dialog.DoModal());
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}
