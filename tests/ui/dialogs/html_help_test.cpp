// The road to the HTML Help viewer, with the stand-in viewer the tests build:
// its registration, export 14, the failed flag, the help path, and the "Help
// Error" box with the viewer's own description.
#include "ui/dialogs/html_help.h"

#include "platform/cwnd.h"
#include "platform/registry_key.h"
#include "tests/components/component/test_component.h"
#include "tests/support/host_window.h"
#include "tests/support/popup_watcher.h"
#include "tests/support/test_paths.h"
#include "tests/ui/dialogs/support/standin_libraries.h"

#include <gtest/gtest.h>

#include <htmlhelp.h>

#include <string>
#include <vector>

namespace {

constexpr char kViewerServerKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
const char kDescription[] = "Не удаётся открыть файл справки «KestAdvConfig.chm».";

// The viewer's registered path, set for the test's time; the prefix's own
// registration comes back afterwards.
class HtmlHelpTest : public testing::Test {
protected:
    ~HtmlHelpTest() override
    {
        if (m_bHadValue)
            Register(m_type, m_original);
        else
            RegistryKey::Open(HKEY_CLASSES_ROOT, kViewerServerKey, KEY_WRITE).DeleteValue(nullptr);
    }
    static bool Register(DWORD type, const std::string& path)
    {
        return RegistryKey::Create(HKEY_CLASSES_ROOT, kViewerServerKey, KEY_WRITE)
            .Set(nullptr, type, path.c_str(), static_cast<DWORD>(path.size() + 1));
    }
    // How the stand-in viewer answers the next HH_GET_LAST_ERROR.
    static void AnswerNextLastError(HRESULT code, const wchar_t* text)
    {
        const auto answer = reinterpret_cast<void (*)(HRESULT, const wchar_t*)>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kac_help_viewer.dll"), "StandInViewerAnswer")));
        ASSERT_NE(nullptr, answer);
        answer(code, text);
    }

    HostWindow m_caller{{50, 50, 450, 350}, WS_OVERLAPPEDWINDOW};
    char m_original[1024] = {};
    DWORD m_type = REG_NONE, m_size = sizeof m_original;
    const bool m_bHadValue =
        RegistryKey::Open(HKEY_CLASSES_ROOT, kViewerServerKey).Query(nullptr, m_original, &m_size, &m_type);
};

}  // namespace

TEST(HelpFilePathTest, IsTheExecutablesFolderPlusTheHelpFileAndWindowType)
{
    EXPECT_STREQ("C:\\Apps\\HELP\\KestAdvConfig.chm>overview", UIHelpFilePath("C:\\Apps\\KestAdvConfig.exe"));
    EXPECT_STREQ("\\\\server\\share\\x8\\HELP\\KestAdvConfig.chm>overview",
                 UIHelpFilePath("\\\\server\\share\\x8\\KestAdvConfig.exe"));
    EXPECT_EQ(ExecutableFolder() + "HELP\\KestAdvConfig.chm>overview", std::string(UIHelpFilePath()));
}

// Faults: an expandable registration not expanded, the wrong file or context
// asked for, the description lost or shown for a success.
TEST_F(HtmlHelpTest, TheFailingViewersDescriptionIsShownInAHelpErrorBox)
{
    SetEnvironmentVariableA("KAC_TEST_VIEWER_DIR", StandInPath("help-viewer").c_str());
    ASSERT_TRUE(Register(REG_EXPAND_SZ, "%KAC_TEST_VIEWER_DIR%\\kac_help_viewer.dll"));
    EXPECT_STREQ(StandInPath("help-viewer\\kac_help_viewer.dll").c_str(), UIHtmlHelp::RegisteredViewerPath());
    const size_t before = RecordedCalls("kac_help_viewer.dll").size();
    UIHtmlHelp viewer;
    {
        PopupWatcher boxes;
        EXPECT_FALSE(UIShowHelp(m_caller, viewer));
        ASSERT_EQ(1u, boxes.m_boxes.size());
        EXPECT_EQ("Help Error", boxes.m_boxes[0].caption);
        EXPECT_EQ(kDescription, boxes.m_boxes[0].text);  // the viewer's wide text, in UTF-8
    }
    const std::vector<std::string> calls = RecordedCalls("kac_help_viewer.dll");
    const std::vector<std::string> expected{std::string(UIHelpFilePath()) + "|15|102", "(null)|20|record"};
    EXPECT_EQ(expected, std::vector<std::string>(calls.begin() + static_cast<std::ptrdiff_t>(before), calls.end()));
    PopupWatcher none;  // only a failure with a description is shown
    AnswerNextLastError(S_OK, L"all is well");
    EXPECT_FALSE(UIShowHelp(m_caller, viewer));
    AnswerNextLastError(E_FAIL, nullptr);
    EXPECT_FALSE(UIShowHelp(m_caller, viewer));
    EXPECT_TRUE(none.m_boxes.empty());
    AnswerNextLastError(static_cast<HRESULT>(0x80030002), L"Не удаётся открыть файл справки «KestAdvConfig.chm».");
}

// Faults: a registered path that does not load leaves the program without
// help; without a usable viewer every press of Help loads and fails again.
TEST_F(HtmlHelpTest, AnUnloadablePathFallsBackToHhctrlAndAViewerWithoutExport14FailsOnce)
{
    ASSERT_TRUE(Register(REG_SZ, "C:\\nowhere\\hhctrl-missing.ocx"));
    UIHtmlHelp fallback;
    fallback.Call(m_caller, nullptr, HH_GET_LAST_ERROR, 0);
    EXPECT_NE(nullptr, fallback.GetLibrary());
    EXPECT_EQ(GetModuleHandleA("hhctrl.ocx"), fallback.GetLibrary());

    // Any library without export 14 serves. Not a KxIPC.dll: the failed viewer
    // stays loaded, and the event-logging tests would then find it by name.
    ASSERT_TRUE(Register(REG_SZ, kTestComponentFileName));
    UIHtmlHelp viewer;
    PopupWatcher boxes;
    EXPECT_FALSE(UIShowHelp(m_caller, viewer));
    EXPECT_TRUE(viewer.HasFailed());
    ASSERT_TRUE(Register(REG_SZ, StandInPath("help-viewer\\kac_help_viewer.dll")));  // a working viewer now is not looked up
    const size_t before = RecordedCalls("kac_help_viewer.dll").size();
    EXPECT_FALSE(UIShowHelp(m_caller, viewer));
    EXPECT_EQ(nullptr, viewer.Call(m_caller, nullptr, HH_GET_LAST_ERROR, 0));
    EXPECT_EQ(before, RecordedCalls("kac_help_viewer.dll").size());
    EXPECT_TRUE(boxes.m_boxes.empty());
}
