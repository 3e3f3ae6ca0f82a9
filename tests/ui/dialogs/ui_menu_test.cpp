// UIMenu: measuring, routing, and each look and state drawn into a memory DC.
// Texts are compared with the same text drawn where and in the colour the item
// should have it, in its font and with the wide call, so the checks hold
// whatever fonts the machine has (fault: narrow text read in the font's code page).
#include "platform/cdc.h"
#include "platform/top_down_dib.h"
#include "resources/resource.h"
#include "tests/support/host_window.h"
#include "ui/dialogs/ui_menu.h"
#include "ui/dialogs/ui_menu_router.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 200, kHeight = 24;
constexpr COLORREF kCanvas = RGB(230, 231, 232);  // the context's background before drawing
constexpr COLORREF kUntouched = RGB(1, 2, 3);     // the bitmap before drawing
enum : UINT { kOpen = 100, kDisabled = 101, kSeparator = 0 };

// A 24-bit surface whose context carries kCanvas as a menu's carries the menu colour.
struct Canvas {
    Canvas()
    {
        void* bits = nullptr;
        bitmap = CreateTopDownDib(kWidth, kHeight, 24, &bits);
        dc.CreateCompatibleDC(nullptr);
        previous = dc.SelectObject(bitmap);
        dc.FillSolidRect({0, 0, kWidth, kHeight}, kUntouched);
        dc.SetBkColor(kCanvas);
    }
    ~Canvas()
    {
        dc.SelectObject(previous);
        DeleteObject(bitmap);
    }
    // Empty when both hold the same picture, else where they first differ.
    std::string Difference(const Canvas& other) const
    {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (dc.GetPixel(x, y) != other.dc.GetPixel(x, y))
                    return "differs at " + std::to_string(x) + ", " + std::to_string(y);
        return {};
    }
    CDC dc;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
};

// A text as the menu draws one: transparent, one line, vertically centred in
// the item moved down by `down`, from `left`.
struct Text {
    std::wstring text;
    int left, down;
    COLORREF color;
};
struct Probe {
    int x, y;
    COLORREF color;
};

// Sets the system-wide keyboard-cue flag and puts the previous one back.
class KeyboardCues {
public:
    explicit KeyboardCues(BOOL shown) { SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &m_saved, 0); Set(shown); }
    ~KeyboardCues() { Set(m_saved); }

private:
    static void Set(BOOL on) { SystemParametersInfoA(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(INT_PTR{on}), 0); }
    BOOL m_saved = FALSE;
};

// Open, a disabled item, a separator, and the program's own Russian items
// of its right-click menu.
class UIMenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_menu.CreatePopupMenu());
        m_menu.AppendMenu(MF_STRING, kOpen, "&Open");
        m_menu.AppendMenu(MF_STRING | MF_GRAYED, kDisabled, "Gray");
        m_menu.AppendMenu(MF_SEPARATOR);
        ASSERT_TRUE(m_component.LoadMenu(IDR_COMPONENT_MENU));
        for (const UINT id : {kRegister, kUnregister})
            m_menu.AppendMenu(MF_STRING, id, CMenu::MenuItemText(m_component.GetSubMenu(0), id, MF_BYCOMMAND));
        ASSERT_TRUE(m_menu.MakeOwnerDrawn(m_menu));
        for (int i = 0; i < m_menu.GetItemCount(); ++i)
            m_items[m_menu.GetItem(i)->m_nCommandId] = m_menu.GetItem(i);
    }

    UIMenuItem* Item(UINT commandId) const { return m_items.at(commandId); }

    std::wstring WideText(UINT id) const
    {
        wchar_t text[64] = {};
        GetMenuStringW(m_component.GetSubMenu(0), id, text, 64, MF_BYCOMMAND);
        return text;
    }

    void Draw(Canvas& canvas, UINT commandId, UINT state, bool themed)
    {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_MENU;
        draw.itemID = commandId;
        draw.itemState = state;
        draw.hDC = canvas.dc;
        draw.rcItem = {0, 0, kWidth, kHeight};
        draw.itemData = reinterpret_cast<ULONG_PTR>(Item(commandId));
        themed ? m_menu.DrawThemedItem(&draw) : m_menu.DrawClassicItem(&draw);
    }

    // The item drawn without its text, then `texts` over it.
    std::unique_ptr<Canvas> Expected(UINT commandId, UINT state, bool themed, const std::vector<Text>& texts)
    {
        auto canvas = std::make_unique<Canvas>();
        UIMenuItem* item = Item(commandId);
        const CString text = item->m_strText;
        item->m_strText = "";
        Draw(*canvas, commandId, state, themed);
        item->m_strText = text;
        canvas->dc.SetBkMode(TRANSPARENT);
        for (const Text& layer : texts) {
            RECT rect{layer.left, layer.down, kWidth, kHeight + layer.down};
            canvas->dc.SetTextColor(layer.color);
            ::DrawTextW(canvas->dc, layer.text.c_str(), -1, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        }
        return canvas;
    }

    // Compares the drawn item with the expected picture, which must show every
    // one of its texts (else the comparison would prove nothing).
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

    static constexpr UINT kRegister = ID_REGISTER_COMPONENT, kUnregister = ID_UNREGISTER_COMPONENT;
    UIMenu m_menu;
    CMenu m_component;
    std::map<UINT, UIMenuItem*> m_items;  // by command
};

// Routes its owner-draw requests as the main dialog does, counting them.
class Owner : public HostWindow {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_MEASUREITEM && message != WM_DRAWITEM)
            return HostWindow::WindowProc(message, wParam, lParam);
        ++(UIMenuRouter::RouteOwnerDraw(m_hWnd, message, lParam) ? m_routed : m_left);
        return TRUE;
    }
    int m_routed = 0, m_left = 0;
};

// What happens inside the popup's modal loop: whether the owner is seen
// tracking, and whether a request for the same item at another window is routed.
thread_local struct {
    HWND owner, bystander;
    ULONG_PTR item;
    bool tracking, bystanderRouted;
} t_during{};

bool Measure(HWND window, UINT type, ULONG_PTR item)
{
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = type;
    measure.itemData = item;
    return UIMenuRouter::RouteOwnerDraw(window, WM_MEASUREITEM, reinterpret_cast<LPARAM>(&measure));
}

void CALLBACK DuringTracking(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND popup = FindWindowA("#32768", nullptr);
    if (popup == nullptr || !IsWindowVisible(popup))
        return;
    KillTimer(nullptr, timer);
    t_during.tracking = UIMenuRouter::IsTrackingPopup(t_during.owner);
    t_during.bystanderRouted = Measure(t_during.bystander, ODT_MENU, t_during.item);
    PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
}

}  // namespace

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
    const std::wstring reg = WideText(kRegister), unreg = WideText(kUnregister);
    ASSERT_GT(reg[0], 0x400) << "a Cyrillic text";
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
        {"themed Russian", true, kRegister, 0, -1, {{reg, 30, 0, black}}, {}},
        {"classic", false, kOpen, 0, -1, {{L"&Open", classic, 0, menuText}}, {}},
        {"classic selected", false, kOpen, ODS_SELECTED, -1, {{L"&Open", classic, 0, GetSysColor(COLOR_HIGHLIGHTTEXT)}},
         {{2, 2, GetSysColor(COLOR_HIGHLIGHT)}}},
        {"classic disabled", false, kDisabled, ODS_GRAYED, -1, {{L"Gray", classic + 1, 1, raised}, {L"Gray", classic, 0, gray}}, {}},
        {"classic disabled selected", false, kDisabled, ODS_GRAYED | ODS_SELECTED, -1, {{L"Gray", classic, 0, gray}}, {}},
        {"classic separator", false, kSeparator, 0, -1, {}, {{0, mid, shadow}, {0, mid + 1, light}, {5, 2, kUntouched}}},
        {"classic Russian", false, kUnregister, 0, -1, {{unreg, classic, 0, menuText}}, {}},
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
            EXPECT_EQ(probe.color, drawn.dc.GetPixel(probe.x, probe.y)) << "at " << probe.x << ", " << probe.y;
    }
}

// Faults: tall separators; Russian items measured narrow (as mojibake);
// a request without item data answered.
TEST_F(UIMenuTest, SeparatorsMeasureHalfAMenuBarAndNothingElseIsMeasuredWithoutItemData)
{
    CClientDC screen(GetDesktopWindow());
    const auto textWidth = [&](const std::wstring& text) {
        SIZE size{};
        GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<UINT>(size.cx + 12);
    };
    const UINT untouched = 7;
    const struct {
        const UIMenuItem* item;
        UINT width, height;
    } rows[] = {
        {Item(kSeparator), 0, static_cast<UINT>(GetSystemMetrics(SM_CYMENU) / 2)},
        {Item(kRegister), textWidth(WideText(kRegister)), untouched},
        {Item(kUnregister), textWidth(WideText(kUnregister)), untouched},
        {nullptr, untouched, untouched},
    };
    for (const auto& row : rows) {
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemData = reinterpret_cast<ULONG_PTR>(row.item);
        measure.itemWidth = measure.itemHeight = untouched;
        m_menu.MeasureItem(&measure);
        EXPECT_EQ(row.width, measure.itemWidth);
        if (row.height != untouched) {
            EXPECT_EQ(row.height, measure.itemHeight);
        }
    }
}

// Faults: the right-click menu's items drawn by nobody (empty), or another
// window's owner-drawn requests taken over.
TEST_F(UIMenuTest, ItemsReachTheirMenuOnlyWhileTheOwnerTracksThePopup)
{
    Owner owner;
    HostWindow bystander({0, 0, 10, 10}, WS_POPUP);
    const auto item = reinterpret_cast<ULONG_PTR>(Item(kOpen));
    EXPECT_FALSE(Measure(owner, ODT_MENU, item));  // not tracking

    t_during = {owner.m_hWnd, bystander.m_hWnd, item, false, false};
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &DuringTracking);
    EXPECT_EQ(0, m_menu.TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY, 100, 100, owner.m_hWnd));
    KillTimer(nullptr, timer);
    EXPECT_TRUE(t_during.tracking);
    EXPECT_FALSE(t_during.bystanderRouted);
    EXPECT_GE(owner.m_routed, 2 * m_menu.GetItemCount());  // every item measured and drawn
    EXPECT_EQ(0, owner.m_left);
    EXPECT_FALSE(UIMenuRouter::IsTrackingPopup(owner));
    EXPECT_FALSE(Measure(owner, ODT_BUTTON, item));  // a control's request is never the menu's
}
