// UIFont on real windows: where the font comes from, the character set it is
// made in, who receives it, and what is logged when it cannot be made.
#include "ui/dialogs/ui_font.h"

#include "platform/cdialog.h"
#include "platform/cwnd.h"
#include "resources/resource.h"
#include "tests/ui/dialogs/support/standin_libraries.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const RECT kRect{50, 50, 350, 250};

LOGFONTA Description(const char* face, LONG height, BYTE charSet)
{
    LOGFONTA logFont{};
    logFont.lfHeight = height;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = charSet;
    std::strncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
    return logFont;
}

LOGFONTA FontOf(HWND hwnd)
{
    LOGFONTA logFont{};
    const auto font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
    if (font != nullptr)
        GetObjectA(font, sizeof logFont, &logFont);
    return logFont;
}

HFONT FontHandleOf(HWND hwnd)
{
    return reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
}

LOGFONTA SystemMessageFont()
{
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return metrics.lfMessageFont;
}

HWND CreateStatic(HWND parent, int id)
{
    return CreateWindowExA(0, "STATIC", "text", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

LANGID Japanese() { return MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN); }
LANGID Russian() { return MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT); }

// Replaces the system language the font helper sees, for one test.
class SystemLanguage {
public:
    explicit SystemLanguage(UIFont::LanguageSource source) : m_previous(UIFont::SetLanguageSource(source)) {}
    ~SystemLanguage() { UIFont::SetLanguageSource(m_previous); }
    SystemLanguage(const SystemLanguage&) = delete;
    SystemLanguage& operator=(const SystemLanguage&) = delete;

private:
    UIFont::LanguageSource m_previous;
};

// A GDI font of the test's own, deleted with the object.
class TestFont {
public:
    explicit TestFont(const LOGFONTA& logFont) : m_font(CreateFontIndirectA(&logFont)) {}
    ~TestFont() { DeleteObject(m_font); }
    TestFont(const TestFont&) = delete;
    TestFont& operator=(const TestFont&) = delete;
    operator HFONT() const { return m_font; }

private:
    HFONT m_font;
};

}  // namespace

TEST(UIFontTest, ControlInADialogTakesTheDialogsFontInTheDefaultCharacterSet)
{
    CDialog dialog(IDD_ABOUTBOX);
    ASSERT_TRUE(dialog.Create(IDD_ABOUTBOX));
    const LOGFONTA dialogFont = FontOf(dialog);
    ASSERT_NE('\0', dialogFont.lfFaceName[0]);

    CWnd button;
    ASSERT_TRUE(button.SubclassDlgItem(IDOK, &dialog));
    const TestFont own(Description("Courier New", -20, RUSSIAN_CHARSET));
    button.SetFont(own);
    UIFont font;
    ASSERT_TRUE(font.Init(&button, false));

    EXPECT_EQ(font.GetSafeHandle(), FontHandleOf(button));
    const LOGFONTA taken = FontOf(button);
    EXPECT_STREQ(dialogFont.lfFaceName, taken.lfFaceName);
    EXPECT_EQ(dialogFont.lfHeight, taken.lfHeight);
    EXPECT_EQ(DEFAULT_CHARSET, taken.lfCharSet);
    button.UnsubclassWindow();
    dialog.DestroyWindow();

    // A parent font in a definite character set is taken in the default one.
    const HWND panel = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    const TestFont cyrillic(Description("Tahoma", -15, RUSSIAN_CHARSET));
    SendMessageA(panel, WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(cyrillic)), FALSE);
    const HWND label = CreateStatic(panel, 1);
    UIFont labelFont;
    ASSERT_TRUE(labelFont.Init(CWnd::FromHandle(label), false));
    EXPECT_STREQ("Tahoma", FontOf(label).lfFaceName);
    EXPECT_EQ(-15, FontOf(label).lfHeight);
    EXPECT_EQ(DEFAULT_CHARSET, FontOf(label).lfCharSet);
    DestroyWindow(panel);
}

TEST(UIFontTest, WithoutAParentFontTheOwnersOwnIsTakenThenTheSystemMessageFont)
{
    // A top-level static control: no parent, a font of its own.
    const HWND label = CreateWindowExA(0, "STATIC", "label", WS_POPUP, 0, 0, 80, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, label);
    const TestFont own(Description("Courier New", -13, RUSSIAN_CHARSET));
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(own)), FALSE);
    UIFont labelFont;
    ASSERT_TRUE(labelFont.Init(CWnd::FromHandle(label), false));
    EXPECT_STREQ("Courier New", FontOf(label).lfFaceName);
    EXPECT_EQ(DEFAULT_CHARSET, FontOf(label).lfCharSet);

    // A window that answers no font at all gets the system message font as it is.
    CWnd plain;
    ASSERT_TRUE(plain.CreateEx(0, nullptr, "plain", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    UIFont plainFont;
    ASSERT_TRUE(plainFont.Init(&plain, false));
    const LOGFONTA system = SystemMessageFont();
    EXPECT_STREQ(system.lfFaceName, plainFont.GetLogFont().lfFaceName);
    EXPECT_EQ(system.lfHeight, plainFont.GetLogFont().lfHeight);
    EXPECT_EQ(system.lfCharSet, plainFont.GetLogFont().lfCharSet);
    DestroyWindow(label);
}

TEST(UIFontTest, OnAJapaneseSystemFontsFromWindowsAndGivenFontsAreMadeInShiftJis)
{
    const SystemLanguage japanese(&Japanese);
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    const HWND child = CreateStatic(parent, 1);
    const HWND sibling = CreateStatic(parent, 2);
    // The plain window class keeps no font, so the static control's own is taken.
    const TestFont siblingFont(Description("Arial", -12, ANSI_CHARSET));
    SendMessageA(sibling, WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(siblingFont)), FALSE);

    UIFont fromWindow;
    ASSERT_TRUE(fromWindow.Init(CWnd::FromHandle(sibling), false));
    EXPECT_EQ(SHIFTJIS_CHARSET, FontOf(sibling).lfCharSet);

    UIFont given;
    ASSERT_TRUE(given.ModifyCurrentFont(CWnd::FromHandle(child), Description("Arial", -12, RUSSIAN_CHARSET), false));
    EXPECT_EQ(SHIFTJIS_CHARSET, FontOf(child).lfCharSet);
    EXPECT_EQ(SHIFTJIS_CHARSET, given.GetLogFont().lfCharSet);

    UIFont fromSystem;  // neither the plain window nor a parent has a font: the system's, unchanged
    ASSERT_TRUE(fromSystem.Init(&parent, false));
    EXPECT_EQ(SystemMessageFont().lfCharSet, fromSystem.GetLogFont().lfCharSet);

    // Elsewhere a given character set is kept.
    const SystemLanguage russian(&Russian);
    ASSERT_TRUE(given.ModifyCurrentFont(CWnd::FromHandle(child), Description("Arial", -12, RUSSIAN_CHARSET), false));
    EXPECT_EQ(RUSSIAN_CHARSET, FontOf(child).lfCharSet);
    parent.DestroyWindow();
}

TEST(UIFontTest, AppliedToChildrenTheFontReachesDirectChildrenOnlyAndReplacesTheOldOne)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
    const HWND first = CreateStatic(owner, 1);
    const HWND container = CreateWindowExA(WS_EX_CONTROLPARENT, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 30, 200, 100,
                                           owner, reinterpret_cast<HMENU>(2), nullptr, nullptr);
    const HWND grandchild = CreateStatic(container, 3);
    ASSERT_NE(nullptr, grandchild);

    HFONT old = nullptr;
    {
        UIFont font;
        ASSERT_TRUE(font.ModifyCurrentFont(&owner, Description("Arial", -11, DEFAULT_CHARSET), false));
        EXPECT_NE(font.GetSafeHandle(), FontHandleOf(first)) << "children got the font unasked";
        old = font.GetSafeHandle();

        ASSERT_TRUE(font.ModifyCurrentFont(&owner, Description("Arial", -16, DEFAULT_CHARSET), true));
        const HFONT current = font.GetSafeHandle();
        EXPECT_EQ(0u, GetObjectType(old)) << "the replaced font was not deleted";
        EXPECT_EQ(current, FontHandleOf(first));
        EXPECT_EQ(current, FontHandleOf(container));
        EXPECT_NE(current, FontHandleOf(grandchild));
        old = current;
    }
    EXPECT_EQ(0u, GetObjectType(old)) << "the font outlived its UIFont";

    UIFont unused;
    EXPECT_FALSE(unused.ApplyToChildren());  // no owner yet
    owner.DestroyWindow();
}

TEST(UIFontTest, ErrorsAreLoggedWithTheirTextsAndTheOperationsFail)
{
    const DllSearchFolder recording(StandInFolder("kxipc"));
    const size_t before = RecordedLogCalls().size();

    UIFont font;
    EXPECT_FALSE(font.Init(nullptr, true));
    EXPECT_FALSE(font.ModifyCurrentFont(nullptr, Description("Arial", -12, DEFAULT_CHARSET), true));
    EXPECT_EQ(nullptr, font.GetSafeHandle());

    const std::vector<std::string> calls = RecordedLogCalls();
    ASSERT_EQ(before + 2, calls.size()) << "the recording KxIPC.dll was not reached";
    EXPECT_EQ("1||UIFont::Init () received null owner pointer.|", calls[before]);
    EXPECT_EQ("1||UIFont::ModifyCurrentFont () received null owner pointer.|", calls[before + 1]);
}
