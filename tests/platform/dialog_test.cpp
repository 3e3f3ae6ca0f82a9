// CDialog: initialisation order, item binding and the modal loop.
#include "platform/cbutton.h"
#include "platform/cdialog.h"
#include "resources/resource.h"
#include "tests/support/message_log.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A dialog over the About template whose initialisation runs a scenario.
class ScenarioDialog : public CDialog {
public:
    explicit ScenarioDialog(MessageLog& log, CWnd* parent = nullptr) : CDialog(IDD_ABOUTBOX, parent), m_log(log) {}

    std::function<void(ScenarioDialog&)> m_onInit;
    CButton m_okButton;
    CButton m_missingItem;
    MessageLog& m_log;

protected:
    void PreInitDialog() override
    {
        m_log.Add(std::string("PreInitDialog items=") + (::GetDlgItem(m_hWnd, IDOK) != nullptr ? "1" : "0"));
    }
    bool OnInitDialog() override
    {
        const HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
        char title[32] = {};
        ::GetWindowTextA(owner, title, sizeof title);
        m_log.Add(std::string("OnInitDialog owner=") + title + (::IsWindowEnabled(owner) ? " enabled" : " disabled"));
        CDialog::OnInitDialog();
        m_onInit(*this);
        return true;
    }
    void DoDataExchange(CDataExchange* dx) override
    {
        m_log.Add(std::string("DoDataExchange save=") + (dx->m_bSaveAndValidate ? "1" : "0"));
        DDX_Control(dx, IDOK, m_okButton);
        if (dx->m_bSaveAndValidate)
            DDX_Control(dx, 4242, m_missingItem);  // fails: the template has no such item
    }
    void OnSetFont(HFONT font) override
    {
        const bool stored = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)) == font;
        m_log.Add(std::string("OnSetFont stored=") + (stored ? "1" : "0") +
                  " items=" + (::GetDlgItem(m_hWnd, IDOK) != nullptr ? "1" : "0"));
    }
};

}  // namespace

// Each row a modal run over an owner (the parent given, else the active
// window), disabled while the dialog runs and enabled after.
TEST(DialogTest, ModalRunsEndAsTheirScenarioSays)
{
    const struct {
        const char* fault;
        std::function<void(ScenarioDialog&)> onInit;
        bool parentGiven;
        INT_PTR result;
        std::vector<std::string> logEnd;
    } rows[] = {
        {"items missing at initialisation, the font set after them, an item bound but not routed to its object",
         [](ScenarioDialog& d) {
             const bool bound = CWnd::FromHandlePermanent(::GetDlgItem(d.m_hWnd, IDOK)) == &d.m_okButton;
             d.m_log.Add(bound ? "OK bound" : "OK not bound");
             d.EndDialog(17);
         },
         true, 17,
         {"OnSetFont stored=1 items=0", "PreInitDialog items=1", "OnInitDialog owner=owner disabled",
          "DoDataExchange save=0", "OK bound"}},
        {"the active window not the owner, the close box not cancelling",
         [](ScenarioDialog& d) { d.PostMessage(WM_CLOSE); }, false, IDCANCEL,
         {"OnInitDialog owner=owner disabled", "DoDataExchange save=0"}},
        {"OK closes a dialog whose data exchange failed",
         [](ScenarioDialog& d) {
             d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
             d.PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
         },
         true, IDCANCEL, {"DoDataExchange save=0", "DoDataExchange save=1"}},
        {"a request to end the program is lost", [](ScenarioDialog&) { PostQuitMessage(3); }, true, -1,
         {"DoDataExchange save=0"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fault);
        MessageLog log;
        CWnd owner;
        ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 200, 200}, nullptr, 0));
        SetActiveWindow(owner.m_hWnd);
        ScenarioDialog dialog(log, row.parentGiven ? &owner : nullptr);
        dialog.m_onInit = row.onInit;
        EXPECT_EQ(row.result, dialog.DoModal());
        EXPECT_TRUE(log.EndsWith(row.logEnd));
        EXPECT_TRUE(owner.IsWindowEnabled());
        EXPECT_EQ(nullptr, dialog.m_okButton.m_hWnd);  // unbound when its window went
        MSG msg{};
        EXPECT_EQ(row.result == -1, PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && msg.wParam == 3);
        owner.DestroyWindow();
    }
    EXPECT_EQ(-1, CDialog(4242).DoModal());  // no such template
}
