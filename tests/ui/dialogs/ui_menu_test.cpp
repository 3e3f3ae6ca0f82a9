// UIMenu: conversion of a real menu, measuring, and each look and item state
// drawn into a memory DC and checked by its pixels. Texts are compared with
// the same text drawn where and in the colour the item should have it, in the
// same font, so the checks hold whatever fonts the machine has.
#include "platform/cdc.h"
#include "platform/top_down_dib.h"
#include "resources/resource.h"
#include "ui/dialogs/ui_menu.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 24;
constexpr COLORREF kCanvas = RGB(230, 231, 232);  // the context's background before drawing
constexpr COLORREF kUntouched = RGB(1, 2, 3);     // the bitmap before drawing
enum : UINT { kOpen = 100, kDisabled = 101, kSeparator = 0 };

// A 24-bit drawing surface whose context carries kCanvas as a menu's carries the menu colour.
class Canvas {
public:
    Canvas()
    {
        void* bits = nullptr;
        m_bitmap = CreateTopDownDib(kWidth, kHeight, 24, &bits);
        m_dc.CreateCompatibleDC(nullptr);
        m_previous = m_dc.SelectObject(m_bitmap);
        m_dc.FillSolidRect({0, 0, kWidth, kHeight}, kUntouched);
        m_dc.SetBkColor(kCanvas);
    }
    ~Canvas()
    {
        m_dc.SelectObject(m_previous);
        DeleteObject(m_bitmap);
    }
    COLORREF At(int x, int y) const { return m_dc.GetPixel(x, y); }
    // Empty when both hold the same picture, else where they first differ.
    std::string Difference(const Canvas& other) const
    {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (At(x, y) != other.At(x, y)) {
                    char text[96] = {};
                    std::snprintf(text, sizeof text, "(%d, %d): %06lX, expected %06lX", x, y, At(x, y), other.At(x, y));
                    return text;
                }
        return {};
    }
    CDC m_dc;

private:
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
};

// One text as the menu draws an item's text: transparent, on one line,
// vertically centred in the item moved down by `down`, from `left`.
struct Text {
    std::wstring text;
    int left;
    int down;
    COLORREF color;
};
struct Probe {
    int x, y;
    COLORREF color;
};

// Sets the system-wide keyboard-cue flag and puts the previous one back.
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
    static void Set(BOOL shown) { SystemParametersInfoA(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(shown)), 0); }
    BOOL m_saved = FALSE;
};

// Open, a disabled item, a separator and a submenu with one item.
class UIMenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_menu.CreatePopupMenu());
        m_submenu = CreatePopupMenu();
        AppendMenuA(m_submenu, MF_STRING, 102, "Inner");
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

    void Draw(Canvas& canvas, UINT commandId, UINT state, bool themed)
    {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_MENU;
        draw.itemID = commandId;
        draw.itemState = state;
        draw.hDC = canvas.m_dc;
        draw.rcItem = {0, 0, kWidth, kHeight};
        draw.itemData = reinterpret_cast<ULONG_PTR>(Item(commandId));
        themed ? m_menu.DrawThemedItem(&draw) : m_menu.DrawClassicItem(&draw);
    }

    // The item drawn with no text of its own, then `texts` over it with the
    // wide call (fault: narrow text read in the font's code page, mojibake).
    std::unique_ptr<Canvas> Expected(UINT commandId, UINT state, bool themed, const std::vector<Text>& texts)
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
            ::DrawTextW(canvas->m_dc, layer.text.c_str(), -1, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        }
        return canvas;
    }

    // Draws the item and compares it with the expected picture, which must
    // show every one of its texts (else the comparison would prove nothing).
    std::string DrawnDifference(UINT commandId, UINT state, bool themed, const std::vector<Text>& texts)
    {
        const auto expected = Expected(commandId, state, themed, texts);
        for (size_t i = 0; i < texts.size(); ++i) {
            std::vector<Text> without = texts;
            without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
            if (expected->Difference(*Expected(commandId, state, themed, without)).empty())
                return "expected text " + std::to_string(i) + " draws nothing";
        }
        Canvas drawn;
        Draw(drawn, commandId, state, themed);
        return drawn.Difference(*expected);
    }

    UIMenu m_menu;
    HMENU m_submenu = nullptr;
};

}  // namespace

// Faults: an item of a submenu left as text (drawn by the system in another
// look); item data that outlives its menu.
TEST_F(UIMenuTest, ConversionMakesEveryItemOwnerDrawnKeepsSubmenusAndTheMenuFreesThemAtTheEnd)
{
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
    ULONG_PTR data = 0;
    {
        UIMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        menu.AppendMenu(MF_STRING, 1, "One");
        ASSERT_TRUE(menu.MakeOwnerDrawn(menu));
        data = reinterpret_cast<ULONG_PTR>(menu.GetItem(0));
    }
    EXPECT_EQ(nullptr, UIMenuItem::FromItemData(data));
}

// Each look and item state: the texts drawn (grey text embossed by a raised
// copy one pixel right and below, unless selected) and the pixels that show
// the column, selection, check cell and separator.
TEST_F(UIMenuTest, EachLookAndStateDrawsItsTextsAndColours)
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE), blue = RGB(0, 0, 255), black = RGB(0, 0, 0);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF raised = GetSysColor(COLOR_3DHILIGHT), gray = GetSysColor(COLOR_GRAYTEXT);
    const COLORREF menuText = GetSysColor(COLOR_MENUTEXT);
    const int classic = 16 + 4, mid = kHeight / 2;  // classic text: image width (16 until an image says otherwise) + 4
    struct Row {
        const char* name;
        bool themed;
        UINT item, state;
        int cues;  // keyboard cues set to 0 or 1; -1 leaves them
        std::vector<Text> texts;
        std::vector<Probe> probes;
    };
    const Row rows[] = {
        {"themed", true, kOpen, 0, -1, {{L"&Open", 30, 0, black}}, {{0, 12, face}, {21, 12, face}, {22, 1, kCanvas}}},
        {"themed selected", true, kOpen, ODS_SELECTED, -1, {{L"&Open", 30, 0, black}},
         {{0, 0, blue}, {kWidth - 1, kHeight - 1, blue}, {10, 12, RGB(190, 208, 252)}}},
        {"themed checked", true, kOpen, ODS_CHECKED, -1, {}, {{10, 12, RGB(192, 208, 252)}, {21, 12, blue}, {10, 0, blue}}},
        {"themed disabled", true, kDisabled, ODS_GRAYED, -1, {{L"Gray", 31, 1, raised}, {L"Gray", 30, 0, gray}}, {}},
        {"themed disabled selected", true, kDisabled, ODS_GRAYED | ODS_SELECTED, -1, {{L"Gray", 30, 0, gray}}, {}},
        {"themed separator", true, kSeparator, 0, -1, {},
         {{5, 2, face}, {25, mid, kUntouched}, {30, mid, shadow}, {30, mid + 1, light}, {kWidth - 2, mid, shadow}, {100, mid - 1, kUntouched}}},
        {"classic", false, kOpen, 0, -1, {{L"&Open", classic, 0, menuText}}, {}},
        {"classic selected", false, kOpen, ODS_SELECTED, -1, {{L"&Open", classic, 0, GetSysColor(COLOR_HIGHLIGHTTEXT)}},
         {{2, 2, GetSysColor(COLOR_HIGHLIGHT)}}},
        {"classic disabled", false, kDisabled, ODS_GRAYED, -1, {{L"Gray", classic + 1, 1, raised}, {L"Gray", classic, 0, gray}}, {}},
        {"classic disabled selected", false, kDisabled, ODS_GRAYED | ODS_SELECTED, -1, {{L"Gray", classic, 0, gray}}, {}},
        {"classic separator", false, kSeparator, 0, -1, {}, {{0, mid, shadow}, {0, mid + 1, light}, {5, 2, kUntouched}}},
        // Access keys are hidden only for a menu opened without the keyboard while cues are off.
        {"classic no-accel, cues off", false, kOpen, ODS_NOACCEL, FALSE, {{L"Open", classic, 0, menuText}}, {}},
        {"classic no-accel, cues on", false, kOpen, ODS_NOACCEL, TRUE, {{L"&Open", classic, 0, menuText}}, {}},
        {"classic, cues off", false, kOpen, 0, FALSE, {{L"&Open", classic, 0, menuText}}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<KeyboardCues> cues(row.cues < 0 ? nullptr : new KeyboardCues(row.cues));
        if (!row.texts.empty()) {
            EXPECT_EQ("", DrawnDifference(row.item, row.state, row.themed, row.texts));
        }
        Canvas drawn;
        Draw(drawn, row.item, row.state, row.themed);
        for (const Probe& probe : row.probes)
            EXPECT_EQ(probe.color, drawn.At(probe.x, probe.y)) << "at " << probe.x << ", " << probe.y;
    }
}

TEST_F(UIMenuTest, SeparatorsMeasureHalfAMenuBarAndNothingElseIsMeasuredWithoutItemData)
{
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemData = reinterpret_cast<ULONG_PTR>(Item(kSeparator));
    m_menu.MeasureItem(&measure);
    EXPECT_EQ(0u, measure.itemWidth);
    EXPECT_EQ(static_cast<UINT>(GetSystemMetrics(SM_CYMENU) / 2), measure.itemHeight);
    MEASUREITEMSTRUCT empty{};
    empty.itemWidth = 7;
    m_menu.MeasureItem(&empty);
    EXPECT_EQ(7u, empty.itemWidth);
}

// The program's own right-click menu, whose items are Russian: each is drawn,
// in both looks, as its text drawn with the wide call in the same font, and
// measured as that text is (fault: narrow drawing or measuring).
TEST_F(UIMenuTest, RussianItemsOfTheComponentMenuAreDrawnAndMeasuredAsTheirWideText)
{
    UIMenu component;
    ASSERT_TRUE(component.LoadMenu(IDR_COMPONENT_MENU));
    const HMENU popup = component.GetSubMenu(0);
    for (const UINT id : {UINT{ID_REGISTER_COMPONENT}, UINT{ID_UNREGISTER_COMPONENT}})
        m_menu.AppendMenu(MF_STRING, id, CMenu::MenuItemText(popup, id, MF_BYCOMMAND));
    ASSERT_TRUE(m_menu.MakeOwnerDrawn(m_menu));
    CClientDC screen(GetDesktopWindow());
    for (const UINT id : {UINT{ID_REGISTER_COMPONENT}, UINT{ID_UNREGISTER_COMPONENT}}) {
        wchar_t text[64] = {};
        ASSERT_GT(GetMenuStringW(popup, id, text, 64, MF_BYCOMMAND), 0);
        ASSERT_GT(text[0], 0x400) << "a Cyrillic text";
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
