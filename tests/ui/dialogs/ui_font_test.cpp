// UIFont on real windows: where the font comes from, the character set it is
// made in, who receives it. (Its errors are the event-logging test's.)
#include "ui/dialogs/ui_font.h"

#include "platform/cwnd.h"
#include "tests/support/host_window.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

LOGFONTA Description(const char* face, LONG height, BYTE charSet)
{
    LOGFONTA logFont{};
    logFont.lfHeight = height;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = charSet;
    std::strncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
    return logFont;
}

HFONT FontHandleOf(HWND hwnd)
{
    return reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
}

HWND CreateStatic(HWND parent, int id)
{
    return CreateWindowExA(0, "STATIC", "text", (parent != nullptr ? WS_CHILD : WS_POPUP) | WS_VISIBLE, 0, 0, 80, 20,
                           parent, parent != nullptr ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr, nullptr, nullptr);
}

LANGID Japanese() { return MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN); }
LANGID Russian() { return MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT); }

}  // namespace

// Faults: the control's own font taken over its dialog's; a font kept in a
// definite character set that cannot show the user's text; Japanese text
// without Shift JIS; the system's font changed.
TEST(UIFontTest, TheFontComesFromTheParentElseTheWindowElseTheSystemInTheSetTheTextNeeds)
{
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const LOGFONTA system = metrics.lfMessageFont;
    const LOGFONTA parentFont = Description("Tahoma", -15, RUSSIAN_CHARSET);
    const LOGFONTA ownFont = Description("Courier New", -13, RUSSIAN_CHARSET);
    const LOGFONTA given = Description("Arial", -12, RUSSIAN_CHARSET);
    struct Row {
        const char* name;
        UIFont::LanguageSource language;
        const LOGFONTA* parent;  // null: a top-level window
        const LOGFONTA* own;     // null: the window keeps no font
        const LOGFONTA* given;   // null: Init, else ModifyCurrentFont
        const LOGFONTA& expected;
        int charSet;  // -1: the expected font's own
    };
    const Row rows[] = {
        {"the parent's over the window's own", &Russian, &parentFont, &ownFont, nullptr, parentFont, DEFAULT_CHARSET},
        {"no parent: the window's own", &Russian, nullptr, &ownFont, nullptr, ownFont, DEFAULT_CHARSET},
        {"no font anywhere: the system's as it is", &Russian, nullptr, nullptr, nullptr, system, -1},
        {"Japanese: the window's in Shift JIS", &Japanese, nullptr, &ownFont, nullptr, ownFont, SHIFTJIS_CHARSET},
        {"Japanese: the system's as it is", &Japanese, nullptr, nullptr, nullptr, system, -1},
        {"Japanese: a given font in Shift JIS", &Japanese, nullptr, nullptr, &given, given, SHIFTJIS_CHARSET},
        {"elsewhere a given font keeps its set", &Russian, nullptr, nullptr, &given, given, RUSSIAN_CHARSET},
    };
    const HFONT parentHandle = CreateFontIndirectA(&parentFont), ownHandle = CreateFontIndirectA(&ownFont);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const UIFont::LanguageSource previous = UIFont::SetLanguageSource(row.language);
        const HWND parent = row.parent != nullptr ? CreateStatic(nullptr, 0) : nullptr;
        if (parent != nullptr)
            SendMessageA(parent, WM_SETFONT, reinterpret_cast<WPARAM>(parentHandle), FALSE);
        const HWND window = CreateStatic(parent, 1);
        if (row.own != nullptr)
            SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(ownHandle), FALSE);
        UIFont font;
        ASSERT_TRUE(row.given != nullptr ? font.ModifyCurrentFont(CWnd::FromHandle(window), *row.given, false)
                                         : font.Init(CWnd::FromHandle(window), false));
        UIFont::SetLanguageSource(previous);
        EXPECT_EQ(font.GetSafeHandle(), FontHandleOf(window));
        LOGFONTA shown{};
        GetObjectA(FontHandleOf(window), sizeof shown, &shown);
        EXPECT_STREQ(row.expected.lfFaceName, shown.lfFaceName);
        EXPECT_EQ(row.expected.lfHeight, shown.lfHeight);
        EXPECT_EQ(row.charSet < 0 ? row.expected.lfCharSet : row.charSet, shown.lfCharSet);
        DestroyWindow(window);
        if (parent != nullptr)
            DestroyWindow(parent);
    }
    DeleteObject(parentHandle);
    DeleteObject(ownHandle);
}

// Faults: children given the font unasked, or grandchildren given it (the
// grid's own children change font with the dialog); a replaced font, or the
// last one, never deleted (one more GDI object per DPI change).
TEST(UIFontTest, AppliedToChildrenTheFontReachesDirectChildrenOnlyAndReplacesTheOldOne)
{
    HostWindow owner({50, 50, 350, 250}, WS_OVERLAPPEDWINDOW);
    const HWND child = CreateStatic(owner, 1);
    const HWND grandchild = CreateStatic(child, 3);
    HFONT old = nullptr;
    {
        UIFont font;
        ASSERT_TRUE(font.ModifyCurrentFont(&owner, Description("Arial", -11, DEFAULT_CHARSET), false));
        EXPECT_NE(font.GetSafeHandle(), FontHandleOf(child));
        old = font.GetSafeHandle();
        ASSERT_TRUE(font.ModifyCurrentFont(&owner, Description("Arial", -16, DEFAULT_CHARSET), true));
        EXPECT_EQ(0u, GetObjectType(old));
        old = font.GetSafeHandle();
        EXPECT_EQ(old, FontHandleOf(child));
        EXPECT_NE(old, FontHandleOf(grandchild));
    }
    EXPECT_EQ(0u, GetObjectType(old));
}
