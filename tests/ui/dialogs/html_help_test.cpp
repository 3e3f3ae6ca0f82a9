// The road to the HTML Help viewer: found through its registration in the
// test prefix (Wine's real hhctrl.ocx, or the stand-in viewer the tests build
// and register for the time of a test), export 14, the failed flag, the help
// path, and the "Help Error" box with the viewer's own description.
#include "ui/dialogs/html_help.h"

#include "platform/cwnd.h"
#include "platform/registry_key.h"
#include "tests/components/component/test_component.h"
#include "tests/support/popup_watcher.h"
#include "tests/ui/dialogs/support/standin_libraries.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <htmlhelp.h>

#include <string>
#include <vector>

namespace {

constexpr char kViewerServerKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
const RECT kRect{50, 50, 450, 350};

// Sets the viewer's registered path for the life of the object and puts the
// prefix's own registration back afterwards.
class ViewerRegistration {
public:
    ViewerRegistration()
    {
        DWORD size = sizeof m_original;
        m_bHadValue = RegistryKey::Open(HKEY_CLASSES_ROOT, kViewerServerKey)
                          .Query(nullptr, m_original, &size, &m_originalType);
        m_originalSize = size;
    }
    ~ViewerRegistration()
    {
        if (!m_bChanged)
            return;
        const RegistryKey key = RegistryKey::Create(HKEY_CLASSES_ROOT, kViewerServerKey, KEY_WRITE);
        if (m_bHadValue)
            key.Set(nullptr, m_originalType, m_original, m_originalSize);
        else
            key.DeleteValue(nullptr);
    }
    ViewerRegistration(const ViewerRegistration&) = delete;
    ViewerRegistration& operator=(const ViewerRegistration&) = delete;

    bool Set(DWORD type, const std::string& path)
    {
        const RegistryKey key = RegistryKey::Create(HKEY_CLASSES_ROOT, kViewerServerKey, KEY_WRITE);
        m_bChanged = m_bChanged || key;
        return key.Set(nullptr, type, path.c_str(), static_cast<DWORD>(path.size() + 1));
    }

    std::string Original() const { return m_bHadValue ? std::string(m_original) : std::string(); }

private:
    char m_original[1024] = {};
    DWORD m_originalType = REG_NONE;
    DWORD m_originalSize = 0;
    bool m_bHadValue = false;
    bool m_bChanged = false;
};

std::string StandInViewerPath()
{
    return StandInFolder("help-viewer") + "\\kac_help_viewer.dll";
}

void AnswerNextLastError(HRESULT code, const wchar_t* text)
{
    using Answer = void (*)(HRESULT, const wchar_t*);
    const HMODULE viewer = GetModuleHandleA("kac_help_viewer.dll");
    ASSERT_NE(nullptr, viewer);
    reinterpret_cast<Answer>(reinterpret_cast<void*>(GetProcAddress(viewer, "StandInViewerAnswer")))(code, text);
}

class HtmlHelpTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_caller.CreateEx(0, nullptr, "caller", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    }
    void TearDown() override { m_caller.DestroyWindow(); }

    CWnd m_caller;
    ViewerRegistration m_registration;
};

}  // namespace

TEST(HelpFilePathTest, IsTheExecutablesFolderPlusTheHelpFileAndWindowType)
{
    EXPECT_STREQ("C:\\Apps\\HELP\\KestAdvConfig.chm>overview", UIHelpFilePath("C:\\Apps\\KestAdvConfig.exe"));
    EXPECT_STREQ("\\\\server\\share\\x8\\HELP\\KestAdvConfig.chm>overview",
                 UIHelpFilePath("\\\\server\\share\\x8\\KestAdvConfig.exe"));

    const std::string testFolder = StandInFolder("");  // "<folder>\standins\"
    const std::string expected =
        testFolder.substr(0, testFolder.rfind("\\standins\\")) + "\\HELP\\KestAdvConfig.chm>overview";
    EXPECT_EQ(expected, std::string(UIHelpFilePath()));
}

TEST_F(HtmlHelpTest, HelpReachesWinesViewerThroughItsRegistrationAndExport14)
{
    const std::string registered = m_registration.Original();
    ASSERT_FALSE(registered.empty()) << "the prefix registers no HTML Help control";
    EXPECT_STREQ(registered.c_str(), UIHtmlHelp::RegisteredViewerPath());

    PopupWatcher boxes;
    UIHtmlHelp viewer;
    // The build puts the help file beside the test: Wine's viewer opens it,
    // and no error box shows.
    EXPECT_TRUE(UIShowHelp(m_caller, viewer));
    EXPECT_TRUE(boxes.m_boxes.empty());

    EXPECT_FALSE(viewer.HasFailed());
    const HMODULE hhctrl = GetModuleHandleA(registered.c_str());
    ASSERT_NE(nullptr, hhctrl);
    EXPECT_EQ(hhctrl, viewer.GetLibrary());
    EXPECT_EQ(GetProcAddress(hhctrl, MAKEINTRESOURCEA(14)), viewer.GetEntry());
    EXPECT_EQ(GetProcAddress(hhctrl, "HtmlHelpA"), viewer.GetEntry()) << "export 14 is not the narrow entry";

    // The process-wide record the Help button uses takes the same road.
    EXPECT_TRUE(UIShowHelp(m_caller));
    EXPECT_EQ(viewer.GetEntry(), UIHtmlHelp::Viewer().GetEntry());
    viewer.Call(nullptr, nullptr, HH_CLOSE_ALL, 0);
}

TEST_F(HtmlHelpTest, AViewerPathThatDoesNotLoadFallsBackToHhctrlByName)
{
    ASSERT_TRUE(m_registration.Set(REG_SZ, "C:\\nowhere\\hhctrl-missing.ocx"));
    UIHtmlHelp viewer;
    viewer.Call(m_caller, nullptr, HH_GET_LAST_ERROR, 0);
    EXPECT_FALSE(viewer.HasFailed());
    EXPECT_EQ(GetModuleHandleA("hhctrl.ocx"), viewer.GetLibrary());
}

TEST_F(HtmlHelpTest, TheFailingViewersDescriptionIsShownInAHelpErrorBox)
{
    // An expandable path, as an installer may register it.
    SetEnvironmentVariableA("KAC_TEST_VIEWER_DIR", StandInFolder("help-viewer").c_str());
    ASSERT_TRUE(m_registration.Set(REG_EXPAND_SZ, "%KAC_TEST_VIEWER_DIR%\\kac_help_viewer.dll"));
    EXPECT_STREQ(StandInViewerPath().c_str(), UIHtmlHelp::RegisteredViewerPath());

    const size_t before = RecordedViewerCalls().size();
    UIHtmlHelp viewer;
    {
        PopupWatcher boxes;
        EXPECT_FALSE(UIShowHelp(m_caller, viewer));
        ASSERT_EQ(1u, boxes.m_boxes.size());
        EXPECT_EQ("Help Error", boxes.m_boxes[0].caption);
        // The viewer's wide description, in the program's narrow (UTF-8) strings.
        EXPECT_EQ("Не удаётся открыть файл справки «KestAdvConfig.chm».", boxes.m_boxes[0].text);
    }
    const std::vector<std::string> calls = RecordedViewerCalls();
    ASSERT_EQ(before + 2, calls.size());
    EXPECT_EQ(std::string(UIHelpFilePath()) + "|15|102", calls[before]);
    EXPECT_EQ("(null)|20|record", calls[before + 1]);

    // Only a failure with a description is shown.
    AnswerNextLastError(S_OK, L"all is well");
    PopupWatcher success;
    EXPECT_FALSE(UIShowHelp(m_caller, viewer));
    AnswerNextLastError(E_FAIL, nullptr);
    EXPECT_FALSE(UIShowHelp(m_caller, viewer));
    EXPECT_TRUE(success.m_boxes.empty());
    AnswerNextLastError(static_cast<HRESULT>(0x80030002), L"Не удаётся открыть файл справки «KestAdvConfig.chm».");
}

TEST_F(HtmlHelpTest, AViewerWithoutExport14FailsOnceAndIsNotLookedForAgain)
{
    // Any library without export 14 serves. Not a KxIPC.dll: the failed viewer
    // stays loaded, and the event-logging tests would then find it by name.
    ASSERT_TRUE(m_registration.Set(REG_SZ, kTestComponentFileName));
    UIHtmlHelp viewer;
    PopupWatcher boxes;
    EXPECT_FALSE(UIShowHelp(m_caller, viewer));
    EXPECT_TRUE(viewer.HasFailed());

    // A working viewer registered now is not looked up: the registry is not read again.
    ASSERT_TRUE(m_registration.Set(REG_SZ, StandInViewerPath()));
    const size_t before = RecordedViewerCalls().size();
    EXPECT_FALSE(UIShowHelp(m_caller, viewer));
    EXPECT_EQ(nullptr, viewer.Call(m_caller, nullptr, HH_GET_LAST_ERROR, 0));
    EXPECT_EQ(before, RecordedViewerCalls().size());
    EXPECT_EQ(nullptr, viewer.GetEntry());
    EXPECT_TRUE(boxes.m_boxes.empty());
}
