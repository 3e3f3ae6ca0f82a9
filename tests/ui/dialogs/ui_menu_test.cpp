// UIMenu: conversion of a real menu, measuring, and drawing in both looks
// into a memory DC, checked by its pixels. Texts are compared with the same
// text drawn where and in the colour the item should have it, in the same
// font, so the checks hold whatever fonts the machine has.
#include "platform/cdc.h"
#include "platform/resource_module.h"
#include "platform/top_down_dib.h"
#include "resources/resource.h"
#include "tests/components/component/test_component.h"
#include "ui/dialogs/ui_menu.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <initializer_list>
#include <memory>
#include <string>

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 24;
constexpr COLORREF kCanvas = RGB(230, 231, 232);  // the context's background before drawing
constexpr COLORREF kBlue = RGB(0, 0, 255);

enum : UINT { kOpen = 100, kDisabled = 101, kInner = 102 };

// A 24-bit drawing surface; its background colour is kCanvas, as a menu's
// context carries the menu colour.
class Canvas {
public:
    Canvas()
    {
        void* bits = nullptr;
        m_bitmap = CreateTopDownDib(kWidth, kHeight, 24, &bits);
        m_dc.CreateCompatibleDC(nullptr);
        m_previous = m_dc.SelectObject(m_bitmap);
        m_dc.FillSolidRect({0, 0, kWidth, kHeight}, RGB(1, 2, 3));
        m_dc.SetBkColor(kCanvas);
    }
    ~Canvas()
    {
        m_dc.SelectObject(m_previous);
        DeleteObject(m_bitmap);
    }

    DRAWITEMSTRUCT Request(const UIMenuItem* item, UINT state)
    {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_MENU;
        draw.itemID = item->m_nCommandId;
        draw.itemState = state;
        draw.hDC = m_dc;
        draw.rcItem = {0, 0, kWidth, kHeight};
        draw.itemData = reinterpret_cast<ULONG_PTR>(item);
        return draw;
    }

    COLORREF At(int x, int y) const { return m_dc.GetPixel(x, y); }
    // Empty when both hold the same picture, else where they first differ.
    std::string Difference(const Canvas& other) const
    {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (At(x, y) != other.At(x, y)) {
                    char text[96] = {};
                    std::snprintf(text, sizeof text, "(%d, %d): %06lX, expected %06lX", x, y, At(x, y),
                                  other.At(x, y));
                    return text;
                }
        return {};
    }
    bool SameAs(const Canvas& other) const { return Difference(other).empty(); }

    CDC m_dc;

private:
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
};

// Open, a disabled item, a separator and a submenu with one item.
class UIMenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_menu.CreatePopupMenu());
        m_submenu = CreatePopupMenu();
        AppendMenuA(m_submenu, MF_STRING, kInner, "Inner");
        m_menu.AppendMenu(MF_STRING, kOpen, "&Open");
        m_menu.AppendMenu(MF_STRING | MF_GRAYED, kDisabled, "Gray");
        m_menu.AppendMenu(MF_SEPARATOR);
        m_menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(m_submenu), "More");
        ASSERT_TRUE(m_menu.MakeOwnerDrawn(m_menu));
    }

    // Items in conversion order: a submenu's items come before its own entry.
    UIMenuItem* Item(UINT commandId) const
    {
        for (int i = 0; i < m_menu.GetItemCount(); ++i)
            if (m_menu.GetItem(i)->m_nCommandId == commandId)
                return m_menu.GetItem(i);
        return nullptr;
    }

    // One text as the menu draws an item's text: transparent, on one line,
    // vertically centred in the item moved down by `down`, from `left`.
    struct Text {
        const wchar_t* text;
        int left;
        int down;
        COLORREF color;
    };

    // The item drawn with no text of its own, then `texts` over it.
    std::unique_ptr<Canvas> Expected(UINT commandId, UINT state, bool themed, std::initializer_list<Text> texts)
    {
        auto canvas = std::make_unique<Canvas>();
        UIMenuItem* item = Item(commandId);
        const CString text = item->m_strText;
        item->m_strText = "";
        Draw(*canvas, commandId, state, themed);
        item->m_strText = text;
        canvas->m_dc.SetBkMode(TRANSPARENT);
        for (const Text& layer : texts) {
            RECT rect{layer.left, layer.down, kWidth, kHeight + layer.down};
            canvas->m_dc.SetTextColor(layer.color);
            // The wide call directly: what the item shows must be this text
            // (fault: narrow text read in the font's code page, mojibake).
            ::DrawTextW(canvas->m_dc, layer.text, -1, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        }
        return canvas;
    }

    void Draw(Canvas& canvas, UINT commandId, UINT state, bool themed)
    {
        auto request = canvas.Request(Item(commandId), state);
        themed ? m_menu.DrawThemedItem(&request) : m_menu.DrawClassicItem(&request);
    }

    // Draws the item and compares it with the expected picture, which must
    // show its texts (else the comparison would prove nothing).
    std::string DrawnDifference(UINT commandId, UINT state, bool themed, std::initializer_list<Text> texts)
    {
        const auto expected = Expected(commandId, state, themed, texts);
        if (expected->SameAs(*Expected(commandId, state, themed, {})))
            return "the expected texts draw nothing";
        Canvas drawn;
        Draw(drawn, commandId, state, themed);
        return drawn.Difference(*expected);
    }

    UIMenu m_menu;
    HMENU m_submenu = nullptr;
};

// Sets the system-wide keyboard-cue flag for the life of the object and puts
// the previous value back however the test ends.
class KeyboardCues {
public:
    explicit KeyboardCues(BOOL shown)
    {
        SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &m_saved, 0);
        Set(shown);
    }
    ~KeyboardCues() { Set(m_saved); }
    KeyboardCues(const KeyboardCues&) = delete;
    KeyboardCues& operator=(const KeyboardCues&) = delete;

private:
    static void Set(BOOL shown)
    {
        SystemParametersInfoA(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(shown)), 0);
    }
    BOOL m_saved = FALSE;
};

}  // namespace

TEST_F(UIMenuTest, ConversionMakesEveryItemOwnerDrawnAndKeepsSubmenus)
{
    ASSERT_EQ(5, m_menu.GetItemCount());
    EXPECT_EQ("&Open", Item(kOpen)->m_strText.str());
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED), Item(kDisabled)->m_nState & MF_GRAYED);
    EXPECT_NE(0u, Item(0)->m_nState & MF_SEPARATOR);
    const UIMenuItem* more = Item(static_cast<UINT>(-1));
    ASSERT_NE(nullptr, more);
    EXPECT_EQ("More", more->m_strText.str());
    EXPECT_EQ(0u, more->m_nState & ~0xFFu);
    EXPECT_EQ(&m_menu, more->m_pOwner);

    EXPECT_EQ(m_submenu, m_menu.GetSubMenu(3));
    for (HMENU menu : {m_menu.m_hMenu, m_submenu}) {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_DATA;
            ASSERT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info));
            EXPECT_NE(0u, info.fType & MFT_OWNERDRAW);
            EXPECT_NE(nullptr, UIMenuItem::FromItemData(info.dwItemData));
        }
    }
}

TEST_F(UIMenuTest, ThemedLookHasTheImageColumnTextFromThirtyPixelsAndBlueSelection)
{
    Canvas plain;
    auto request = plain.Request(Item(kOpen), 0);
    m_menu.DrawThemedItem(&request);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), plain.At(0, 12));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), plain.At(21, 12));
    EXPECT_EQ(kCanvas, plain.At(22, 1));
    EXPECT_EQ("", DrawnDifference(kOpen, 0, true, {{L"&Open", 30, 0, RGB(0, 0, 0)}}));  // black, from 30 pixels in

    Canvas selected;
    request = selected.Request(Item(kOpen), ODS_SELECTED);
    m_menu.DrawThemedItem(&request);
    EXPECT_EQ(kBlue, selected.At(0, 0));
    EXPECT_EQ(kBlue, selected.At(kWidth - 1, kHeight - 1));
    EXPECT_EQ(RGB(190, 208, 252), selected.At(10, 12));  // no grey column when selected
    EXPECT_EQ("", DrawnDifference(kOpen, ODS_SELECTED, true, {{L"&Open", 30, 0, RGB(0, 0, 0)}}));

    Canvas checked;
    request = checked.Request(Item(kOpen), ODS_CHECKED);
    m_menu.DrawThemedItem(&request);
    EXPECT_EQ(RGB(192, 208, 252), checked.At(10, 12));  // no check image in this program: the cell only
    EXPECT_EQ(kBlue, checked.At(21, 12));
    EXPECT_EQ(kBlue, checked.At(10, 0));
}

TEST_F(UIMenuTest, DisabledTextIsEmbossedUnlessSelectedInBothLooks)
{
    const COLORREF highlight = GetSysColor(COLOR_3DHILIGHT);
    const COLORREF gray = GetSysColor(COLOR_GRAYTEXT);
    for (const bool themed : {true, false}) {
        const int left = themed ? 30 : 16 + 4;
        // A raised copy one pixel right of and below the grey text, under it.
        const Text raised{L"Gray", left + 1, 1, highlight};
        const Text grayText{L"Gray", left, 0, gray};
        EXPECT_FALSE(Expected(kDisabled, ODS_GRAYED, themed, {raised, grayText})
                         ->SameAs(*Expected(kDisabled, ODS_GRAYED, themed, {grayText})))
            << "the raised copy would not show";
        EXPECT_EQ("", DrawnDifference(kDisabled, ODS_GRAYED, themed, {raised, grayText})) << themed;
        EXPECT_EQ("", DrawnDifference(kDisabled, ODS_GRAYED | ODS_SELECTED, themed, {grayText})) << themed;
    }
}

// The program's own right-click menu, whose items are Russian: each is drawn,
// in both looks, as its text drawn with the wide call in the same font, and
// measured as that text is (fault: narrow drawing or measuring).
TEST_F(UIMenuTest, RussianItemsOfTheComponentMenuAreDrawnAndMeasuredAsTheirWideText)
{
    UIMenu component;
    ASSERT_TRUE(component.LoadMenu(IDR_COMPONENT_MENU));
    const HMENU popup = component.GetSubMenu(0);
    for (const UINT id : {UINT{ID_REGISTER_COMPONENT}, UINT{ID_UNREGISTER_COMPONENT}}) {
        wchar_t text[64] = {};
        ASSERT_GT(GetMenuStringW(popup, id, text, 64, MF_BYCOMMAND), 0);
        ASSERT_GT(text[0], 0x400) << "a Cyrillic text";
        m_menu.AppendMenu(MF_STRING, id, CMenu::MenuItemText(popup, id, MF_BYCOMMAND));
    }
    ASSERT_TRUE(m_menu.MakeOwnerDrawn(m_menu));
    CClientDC screen(GetDesktopWindow());
    for (const UINT id : {UINT{ID_REGISTER_COMPONENT}, UINT{ID_UNREGISTER_COMPONENT}}) {
        wchar_t text[64] = {};
        GetMenuStringW(popup, id, text, 64, MF_BYCOMMAND);
        for (const bool themed : {true, false}) {
            const COLORREF colour = themed ? RGB(0, 0, 0) : GetSysColor(COLOR_MENUTEXT);
            EXPECT_EQ("", DrawnDifference(id, 0, themed, {{text, themed ? 30 : 16 + 4, 0, colour}})) << id;
        }
        SIZE size{};
        GetTextExtentPoint32W(screen, text, static_cast<int>(wcslen(text)), &size);
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemData = reinterpret_cast<ULONG_PTR>(Item(id));
        m_menu.MeasureItem(&measure);
        EXPECT_EQ(static_cast<UINT>(size.cx + 12), measure.itemWidth) << id;
    }
}

TEST_F(UIMenuTest, SeparatorsMeasureHalfAMenuBarAndAreEtchedLinesAtTheMiddle)
{
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemData = reinterpret_cast<ULONG_PTR>(Item(0));
    m_menu.MeasureItem(&measure);
    EXPECT_EQ(0u, measure.itemWidth);
    EXPECT_EQ(static_cast<UINT>(GetSystemMetrics(SM_CYMENU) / 2), measure.itemHeight);

    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const int middle = kHeight / 2;

    Canvas themed;
    auto request = themed.Request(Item(0), 0);
    m_menu.DrawThemedItem(&request);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), themed.At(5, 2));
    EXPECT_EQ(RGB(1, 2, 3), themed.At(25, middle));  // nothing between the column and the line
    EXPECT_EQ(shadow, themed.At(30, middle));
    EXPECT_EQ(light, themed.At(30, middle + 1));
    EXPECT_EQ(shadow, themed.At(kWidth - 2, middle));
    EXPECT_EQ(RGB(1, 2, 3), themed.At(100, middle - 1));

    Canvas classic;
    request = classic.Request(Item(0), 0);
    m_menu.DrawClassicItem(&request);
    EXPECT_EQ(shadow, classic.At(0, middle));
    EXPECT_EQ(light, classic.At(0, middle + 1));
    EXPECT_EQ(RGB(1, 2, 3), classic.At(5, 2));
}

TEST_F(UIMenuTest, ClassicLookUsesTheSystemColoursAndASunkenCheckCell)
{
    Canvas selected;
    auto request = selected.Request(Item(kOpen), ODS_SELECTED);
    m_menu.DrawClassicItem(&request);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), selected.At(2, 2));
    // Text indented by the image width (16 until an image says otherwise) + 4.
    EXPECT_EQ("", DrawnDifference(kOpen, ODS_SELECTED, false, {{L"&Open", 16 + 4, 0, GetSysColor(COLOR_HIGHLIGHTTEXT)}}));

    Canvas checked;
    request = checked.Request(Item(kOpen), ODS_CHECKED);
    m_menu.DrawClassicItem(&request);
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), checked.At(5, 2));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), checked.At(0, 10));
    EXPECT_EQ(RGB(255, 255, 255), checked.At(17, 10));
    EXPECT_EQ(RGB(255, 255, 255), checked.At(5, kHeight - 3));
    EXPECT_EQ(kCanvas, checked.At(5, 1));
}

TEST_F(UIMenuTest, MnemonicsAreHiddenOnlyWithoutKeyboardCuesAndWithTheNoAcceleratorFlag)
{
    const COLORREF text = GetSysColor(COLOR_MENUTEXT);
    const Text withoutPrefix{L"Open", 20, 0, text};
    const Text underlined{L"&Open", 20, 0, text};
    ASSERT_FALSE(Expected(kOpen, 0, false, {withoutPrefix})->SameAs(*Expected(kOpen, 0, false, {underlined})));

    for (const BOOL cues : {FALSE, TRUE}) {
        const KeyboardCues shown(cues);
        EXPECT_EQ("", DrawnDifference(kOpen, ODS_NOACCEL, false, {cues ? underlined : withoutPrefix}))
            << "cues " << cues;
        EXPECT_EQ("", DrawnDifference(kOpen, 0, false, {underlined})) << "cues " << cues;
    }
}

TEST_F(UIMenuTest, ImagesComeFromPngOrBitmapResourcesOfTheItemsModule)
{
    const HMODULE images = LoadLibraryExA(kTestComponentFileName, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, images);
    const HINSTANCE resourcesBefore = AfxGetResourceHandle();
    UIMenuItem* item = Item(kOpen);
    item->m_hResourceModule = images;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const int top = 4;  // image at x 4, item top + 4 in the themed look

    item->m_nImageResourceId = IDR_TEST_PNG_IMAGE;
    Canvas png;
    auto request = png.Request(item, 0);
    m_menu.DrawThemedItem(&request);
    EXPECT_EQ(RGB(255, 0, 0), png.At(4 + 8, top + 8));
    EXPECT_EQ(face, png.At(4, top));  // transparent border over the column
    EXPECT_EQ(AfxGetResourceHandle(), resourcesBefore);

    item->m_nImageResourceId = IDB_TEST_BITMAP_IMAGE;  // not a PNG: the bitmap of that id
    Canvas bitmap;
    request = bitmap.Request(item, 0);
    m_menu.DrawThemedItem(&request);
    EXPECT_EQ(RGB(0, 160, 0), bitmap.At(4 + 8, top + 8));
    EXPECT_EQ(face, bitmap.At(4 + 1, top + 1));  // light grey is transparent

    Canvas checked;
    request = checked.Request(item, ODS_CHECKED);
    m_menu.DrawThemedItem(&request);
    EXPECT_EQ(RGB(0, 160, 0), checked.At(4 + 8, top + 8));
    EXPECT_EQ(RGB(192, 208, 252), checked.At(4 + 1, top + 1));  // drawn on the cell's colour

    Canvas blended;
    request = blended.Request(item, ODS_CHECKED | ODS_SELECTED);
    m_menu.DrawThemedItem(&request);
    int unchanged = 0;  // blended with the selection colour, if only every other pixel
    for (int y = top + 2; y < top + 14; ++y)
        for (int x = 4 + 2; x < 4 + 14; ++x)
            unchanged += blended.At(x, y) == RGB(0, 160, 0) ? 1 : 0;
    EXPECT_LT(unchanged, 12 * 12 / 2 + 1);

    Canvas grayed;
    request = grayed.Request(item, ODS_GRAYED);
    m_menu.DrawThemedItem(&request);
    EXPECT_NE(RGB(0, 160, 0), grayed.At(4 + 8, top + 8));

    item->m_nImageResourceId = 4242;  // in neither form: no image, the text as usual
    Canvas missing;
    request = missing.Request(item, 0);
    m_menu.DrawThemedItem(&request);
    EXPECT_EQ(face, missing.At(4 + 8, top + 8));
    EXPECT_EQ("", DrawnDifference(kOpen, 0, true, {{L"&Open", 30, 0, RGB(0, 0, 0)}}));

    item->m_nImageResourceId = 0;
    item->m_hResourceModule = nullptr;
    FreeLibrary(images);
}

TEST(UIMenuLifetimeTest, DestroyingTheMenuFreesItsItemsAndItsHandle)
{
    ULONG_PTR data = 0;
    HMENU handle = nullptr;
    {
        UIMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        menu.AppendMenu(MF_STRING, 1, "One");
        ASSERT_TRUE(menu.MakeOwnerDrawn(menu));
        data = reinterpret_cast<ULONG_PTR>(menu.GetItem(0));
        handle = menu.m_hMenu;
        EXPECT_NE(nullptr, UIMenuItem::FromItemData(data));
    }
    EXPECT_EQ(nullptr, UIMenuItem::FromItemData(data));
    EXPECT_FALSE(IsMenu(handle));

    // A request without item data or device context draws nothing.
    UIMenu menu;
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    menu.DrawItem(&draw);
    MEASUREITEMSTRUCT measure{};
    measure.itemWidth = 7;
    menu.MeasureItem(&measure);
    EXPECT_EQ(7u, measure.itemWidth);
}
