// The whole program as a user meets it, driven through its real windows and
// keys, judged by what it shows and what it leaves in the registry.
#include "platform/window_accessible.h"
#include "resources/resource.h"
#include "tests/components/component/test_component.h"
#include "tests/editor/support/program_under_test.h"
#include "tests/support/pointer.h"
#include "tests/support/registry_listing.h"
#include "tests/support/registration_tool.h"
#include "tests/support/registry_values.h"
#include "tests/support/window_image.h"

#include <gtest/gtest.h>

#include <oleacc.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr char kCompanyKey[] = "Software\\Tarnwick, Inc.";
constexpr char kValuesKey[] = "Software\\Tarnwick, Inc.\\Quorvelin X8";
constexpr char kRulesKey[] = "Software\\Tarnwick, Inc.\\Quorvelin X8\\Rules";
constexpr char kPositionKey[] = "Software\\Tarnwick, Inc.\\Quorvelin Applet\\Window Position";

using Rows = std::vector<std::pair<std::wstring, std::wstring>>;
using Listing = std::vector<std::string>;

// Rows of the first page of pages.xml.
enum PagesRow { kStoredRow, kFirst1010Row, kFirst1011Row, kListRow, kNumberRow, kLongRow, kResetRow, kTextRow };

// Keys pressed and let go as hardware input (to the focused window), with Shift held when asked.
void PressKeys(std::initializer_list<BYTE> keys, bool shift = false)
{
    if (shift)
        keybd_event(VK_SHIFT, 0, 0, 0);
    for (const BYTE key : keys) {
        keybd_event(key, 0, 0, 0);
        keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
    }
    if (shift)
        keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
}

// What the system knows of the thread of a window: focus, move-size loop.
GUITHREADINFO ThreadOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info;
}

HWND FocusOf(const ProgramUnderTest& program) { return ThreadOf(program.Dialog()).hwndFocus; }

// Presses Tab until `window` has the focus; false after ten presses.
bool TabTo(const ProgramUnderTest& program, HWND window)
{
    for (int press = 0; press < 10; ++press) {
        if (program.WaitUntil([&] { return FocusOf(program) == window; }, 500))
            return true;
        PressKeys({VK_TAB});
    }
    return false;
}

int ColumnWidth(const ProgramUnderTest& program, int column) { return ListView_GetColumnWidth(program.Grid(), column); }
int SelectedRow(const ProgramUnderTest& program) { return ListView_GetNextItem(program.Grid(), -1, LVNI_SELECTED); }

Listing Values() { return RegistryListing(kValuesKey); }

// A control's caption in the main dialog's template, read from a plain dialog made from it.
std::wstring TemplateCaption(int id)
{
    const HWND plain = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_KESTADVCONFIG_DIALOG),
                                          nullptr, [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    wchar_t caption[64] = {};
    GetDlgItemTextW(plain, id, caption, 64);
    DestroyWindow(plain);
    return caption;
}

// What a window's accessible object answers for itself (child 0) and its children.
struct Accessible {
    explicit Accessible(HWND window)
    {
        AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIIDAccessible,
                                   reinterpret_cast<void**>(&object));
    }
    ~Accessible() { if (object != nullptr) object->Release(); }
    Accessible(const Accessible&) = delete;
    Accessible& operator=(const Accessible&) = delete;

    static VARIANT Child(LONG child)
    {
        VARIANT id{};
        id.vt = VT_I4;
        id.lVal = child;
        return id;
    }
    std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), LONG child = 0) const
    {
        BSTR text = nullptr;
        const bool got = object != nullptr && SUCCEEDED((object->*get)(Child(child), &text)) && text != nullptr;
        const std::wstring result = got ? text : L"";
        SysFreeString(text);
        return result;
    }
    LONG Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), LONG child) const
    {
        VARIANT answer{};
        const bool got = object != nullptr && SUCCEEDED((object->*get)(Child(child), &answer));
        return got && answer.vt == VT_I4 ? answer.lVal : -1;
    }
    bool Has(LONG child, LONG state) const { return (Number(&IAccessible::get_accState, child) & state) != 0; }
    // The simple children AccessibleChildren gives, with their names and values.
    Rows Children() const
    {
        LONG count = 0;
        if (object == nullptr || FAILED(object->get_accChildCount(&count)))
            return {};
        std::vector<VARIANT> children(static_cast<size_t>(count));
        AccessibleChildren(object, 0, count, children.data(), &count);
        Rows items;
        for (VARIANT& child : children) {
            if (child.vt == VT_I4)
                items.emplace_back(Text(&IAccessible::get_accName, child.lVal), Text(&IAccessible::get_accValue, child.lVal));
            VariantClear(&child);
        }
        return items;
    }

    IAccessible* object = nullptr;
};

// The controls a user reaches (enabled tab stops, the trees, the grid) that
// a screen reader finds no name for.
std::vector<int> UnnamedControls(const ProgramUnderTest& program)
{
    std::vector<HWND> reached{program.Item(IDC_CATEGORY_TREE), program.Item(IDC_DIRECTORY_TREE), program.Grid()};
    for (HWND child = GetWindow(program.Dialog(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowEnabled(child) && (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) != 0)
            reached.push_back(child);
    std::vector<int> unnamed;
    for (const HWND window : reached)
        if (IsWindowVisible(window) && Accessible(window).Text(&IAccessible::get_accName).empty())
            unnamed.push_back(GetDlgCtrlID(window));
    return unnamed;
}

// Each test starts without the program's settings and puts them back.
class MainDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteRegistryKey(kCompanyKey);
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // for the accessible objects' calls
    }
    void TearDown() override { CoUninitialize(); }

    static bool Run(ProgramUnderTest& program) { return program.Start() && program.WaitForDialog() != nullptr; }

    static bool Enabled(const ProgramUnderTest& program, int id) { return IsWindowEnabled(program.Item(id)) != FALSE; }

    // Chooses item `index` of a row's list; true once Apply is enabled.
    static bool Choose(const ProgramUnderTest& program, int row, int index)
    {
        const HWND editor = program.ClickValueCell(row);
        return editor != nullptr && program.ChooseInList(editor, index) &&
               program.WaitUntil([&] { return Enabled(program, ID_APPLY_NOW); });
    }

    // Clicks Apply; true once it is disabled again, after a successful write.
    static bool Apply(const ProgramUnderTest& program)
    {
        program.Click(ID_APPLY_NOW);
        return program.WaitUntil([&] { return !Enabled(program, ID_APPLY_NOW); });
    }

    static DWORD CloseBox(const ProgramUnderTest& program)
    {
        PostMessageW(program.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
        return program.WaitForExit();
    }

    RegistryKeyKeeper m_keeper{kCompanyKey};
};

TEST_F(MainDialogTest, AChoiceChangesEverySharedIdAndApplyAndOkWriteEveryValue)
{
    ProgramUnderTest program(TestDataPath("dialog\\shared_ids.xml"));
    ASSERT_TRUE(program.Start());
    EXPECT_TRUE(program.AnswerMessageBox(30000).starts_with(L"Duplicate Attribute ID found for "));
    ASSERT_NE(nullptr, program.WaitForDialog());
    EXPECT_FALSE(Enabled(program, ID_APPLY_NOW));

    // Each button's tip is its template's caption, though the image buttons
    // show no text (fault: tips read from the emptied text).
    const std::vector<std::pair<HWND, std::wstring>> tips = program.ToolTips();
    for (const int id : {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP}) {
        const std::wstring caption = TemplateCaption(id);
        ASSERT_FALSE(caption.empty()) << "button " << id;
        EXPECT_TRUE(std::ranges::count(tips, std::make_pair(program.Item(id), caption))) << "button " << id;
    }

    // A choice reaches the attribute sharing its Id; an edit opens empty; the
    // root keeps the page shown.
    const std::vector<HTREEITEM> items = program.CategoryItems();
    ASSERT_EQ(3u, items.size());
    ASSERT_TRUE(program.SelectCategory(1));
    EXPECT_EQ((Rows{{L"Output level", L"Low"}, {L"Mute", L"Yes"}}), program.GridRows());
    ASSERT_TRUE(Choose(program, 0, 2));
    ASSERT_TRUE(program.SelectCategory(2));
    EXPECT_EQ((Rows{{L"Frame rate", L""}, {L"Level of the video", L"High"}}), program.GridRows());
    ASSERT_TRUE(program.SelectCategory(0));
    EXPECT_EQ(2u, program.GridRows().size());

    // Apply writes every value, chosen or not, and disables itself.
    ASSERT_TRUE(Apply(program));
    EXPECT_EQ((Listing{"Audio\\", "Audio\\Level=2", "Audio\\Mute=1", "Video\\", "Video\\Level=2", "Video\\Rate=25"}),
              Values());
    // A write the registry refuses (no lasting key below a volatile one) is
    // reported, and Apply stays enabled.
    DeleteRegistryKey(kValuesKey);
    ASSERT_TRUE(RegistryKey::Create(HKEY_CURRENT_USER, kValuesKey, KEY_ALL_ACCESS, REG_OPTION_VOLATILE));
    ASSERT_TRUE(program.SelectCategory(1));
    ASSERT_TRUE(Choose(program, 0, 1));
    program.Click(ID_APPLY_NOW);
    EXPECT_EQ(L"Сбой записи данных в регистр.", program.AnswerMessageBox());
    EXPECT_TRUE(Enabled(program, ID_APPLY_NOW));
    DeleteRegistryKey(kValuesKey);

    // By keyboard: Tab and arrows choose the category and the row; F4 opens
    // the row's list (fault: F4 ignored); Enter is OK, which writes and closes.
    ASSERT_TRUE(TabTo(program, program.Item(IDC_CATEGORY_TREE)));
    PressKeys({VK_HOME, VK_DOWN, VK_DOWN});
    ASSERT_TRUE(program.WaitUntil([&] { return program.SelectedTreeItem(IDC_CATEGORY_TREE) == items[2]; }));
    ASSERT_TRUE(TabTo(program, program.Grid()));
    PressKeys({VK_END});
    ASSERT_TRUE(program.WaitUntil([&] { return SelectedRow(program) == 1; }));
    PressKeys({VK_F4});
    const HWND list = program.OpenEditor();
    ASSERT_NE(nullptr, list) << "F4 opened no editor";
    PressKeys({VK_F4, VK_HOME, VK_RETURN});
    ASSERT_TRUE(program.WaitUntil([&] { return !IsWindow(list); }));
    PressKeys({VK_RETURN});
    EXPECT_NE(STILL_ACTIVE, program.WaitForExit());
    EXPECT_EQ((Listing{"Audio\\", "Audio\\Level=0", "Audio\\Mute=1", "Video\\", "Video\\Level=0", "Video\\Rate=25"}),
              Values());
}

TEST_F(MainDialogTest, PagesShowTheirRowsAndCancelWritesNothing)
{
    for (const auto& [name, value] : {std::pair{"Stored", 2u}, {"First1010", 1u}, {"First1011", 1u}, {"Number", 7u}})
        WriteRegistryDword(kRulesKey, name, value);
    const Listing before = Values();
    ProgramUnderTest program(TestDataPath("dialog\\pages.xml"));
    ASSERT_TRUE(Run(program));
    ASSERT_TRUE(program.SelectCategory(1));
    // No row for 1012; 1010 and 1011 on their first choice whatever is
    // stored; list boxes, edits and a value naming no choice show nothing.
    EXPECT_EQ((Rows{{L"Stored choice", L"Third"}, {L"Always first", L"Off"}, {L"Always first too", L"Never"},
                    {L"List", L""}, {L"Number", L""}, {L"Long", L""}, {L"Reset the layout", L"No"}, {L"Text", L""},
                    {L"Out of range", L""}}),
              program.GridRows());
    // A screen reader hears the grid by its page's name (fault: the file's),
    // each row's name and shown value (faults: columns swapped, rows shifted),
    // the selected row, and the description pane's text of it.
    const Accessible grid(program.Grid());
    EXPECT_EQ(L"Rules", grid.Text(&IAccessible::get_accName));
    EXPECT_EQ(program.GridRows(), grid.Children());
    EXPECT_EQ(ROLE_SYSTEM_LISTITEM, grid.Number(&IAccessible::get_accRole, 1));
    ASSERT_TRUE(program.ClickCell(kFirst1010Row, 0));
    ASSERT_TRUE(program.WaitUntil([&] { return grid.Has(kFirst1010Row + 1, STATE_SYSTEM_SELECTED); }));
    EXPECT_FALSE(grid.Has(1, STATE_SYSTEM_SELECTED));
    const Accessible pane(GetDlgItem(program.Item(IDC_PROPERTY_GRID), 57341));
    EXPECT_EQ(L"Always first\nOpens on its first choice.", pane.Text(&IAccessible::get_accName));
    ASSERT_TRUE(Choose(program, 0, 0));

    // A click on an item inside the open list commits that item.
    const HWND list = program.ClickValueCell(kListRow);
    ASSERT_NE(nullptr, list);
    const auto itemHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const LPARAM second = MAKELPARAM(5, itemHeight + itemHeight / 2);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, second);
    PostMessageW(list, WM_LBUTTONUP, 0, second);
    ASSERT_TRUE(program.WaitUntil([&] { return !IsWindow(list); }));
    EXPECT_EQ(L"Right", program.GridRows()[kListRow].second);

    // Tab from a row's name cell opens its value's editor, which keeps the
    // focus (fault: the key goes on to the dialog's buttons).
    ASSERT_TRUE(program.ClickCell(kTextRow, 0));
    ASSERT_TRUE(program.WaitUntil([&] { return SelectedRow(program) == kTextRow; })) << SelectedRow(program);
    ProgramUnderTest::PostKey(program.Grid(), VK_TAB);
    const HWND text = program.OpenEditor();
    ASSERT_NE(nullptr, text);
    SendMessageW(program.Dialog(), WM_NULL, 0, 0);  // the key's handling has ended
    EXPECT_EQ(text, FocusOf(program));
    SetWindowTextW(text, L"typed");
    ProgramUnderTest::PostKey(text, VK_RETURN);
    ASSERT_TRUE(program.WaitUntil([&] { return !IsWindow(text); }));
    EXPECT_EQ(L"typed", program.GridRows()[kTextRow].second);

    // A property without attributes is refused.
    ASSERT_TRUE(program.SelectCategory(2));
    EXPECT_EQ(L"Invalid attribute pointer returned.", program.AnswerMessageBox());

    // The Components page takes the grid's place and is filled once only.
    const HWND directories = program.Item(IDC_DIRECTORY_TREE);
    ASSERT_TRUE(program.SelectCategory(3));
    EXPECT_TRUE(IsWindowVisible(directories) && !IsWindowVisible(program.Item(IDC_PROPERTY_GRID)));
    ASSERT_TRUE(program.SelectCategory(1));
    EXPECT_TRUE(!IsWindowVisible(directories) && IsWindowVisible(program.Item(IDC_PROPERTY_GRID)));
    ASSERT_TRUE(program.SelectCategory(3));
    // Nothing a user can reach is silent to a screen reader (fault: no name).
    program.WaitUntil([&] { return UnnamedControls(program).empty(); }, 2000);
    EXPECT_EQ(std::vector<int>{}, UnnamedControls(program));
    // A screen reader hears the trees' items (fault: only the root named),
    // their levels and states.
    const Accessible categories(program.Item(IDC_CATEGORY_TREE));
    EXPECT_EQ((Rows{{L"Pages", L"0"}, {L"Rules", L"1"}, {L"Empty", L"1"}, {L"Components", L"1"}}),
              categories.Children());
    EXPECT_TRUE(categories.Has(4, STATE_SYSTEM_SELECTED) && !categories.Has(2, STATE_SYSTEM_SELECTED));
    EXPECT_TRUE(categories.Has(1, STATE_SYSTEM_EXPANDED));
    EXPECT_EQ(ROLE_SYSTEM_OUTLINEITEM, categories.Number(&IAccessible::get_accRole, 1));
    EXPECT_TRUE(std::ranges::count(Accessible(directories).Children(), std::pair<std::wstring, std::wstring>(L"C:", L"0")));
    const std::pair<HWND, std::wstring> tip{directories, L"Right click on an .OCX or .DLL file to register a component."};
    EXPECT_EQ(1, std::ranges::count(program.ToolTips(), tip));

    // The system menu's last item opens the About box (fault: no way to it).
    PostMessageW(program.Dialog(), WM_SYSCOMMAND, SC_KEYMENU, L' ');
    HWND menu = nullptr;
    ASSERT_TRUE(program.WaitUntil([&] { return (menu = program.FindWindowOfClass(L"#32768")) != nullptr; }));
    PostMessageW(menu, WM_KEYDOWN, VK_UP, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    HWND about = nullptr;
    ASSERT_TRUE(program.WaitUntil([&] {
        return (about = program.FindWindowOfClass(L"#32770", L"About KestAdvConfig")) != nullptr;
    }));
    PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(program.WaitUntil([&] { return !IsWindow(about); }));
    EXPECT_TRUE(IsWindowEnabled(program.Dialog()));

    // By keyboard down the directory tree to the test component: typed names
    // select (after a pause, so each is a search of its own), Right opens.
    const TempFolder components;
    const std::string component = components.CopyFileTo(ExecutableFolder() + kTestComponentFileName, "grid.ocx");
    ASSERT_TRUE(TabTo(program, directories));
    for (size_t from = 0, end = 0; end != std::string::npos; from = end + 1) {
        end = component.find('\\', from);
        const std::string name = component.substr(from, end - from);
        if (from != 0)
            PressKeys({VK_RIGHT});
        Sleep(1000);
        for (const char character : from == 0 ? name.substr(0, 1) : name) {  // Shift where the layout needs it
            const SHORT key = VkKeyScanA(character);
            PressKeys({static_cast<BYTE>(key & 0xFF)}, (key & 0x100) != 0);
        }
        ASSERT_TRUE(program.WaitUntil([&] {
            const HTREEITEM shown = program.SelectedTreeItem(IDC_DIRECTORY_TREE);
            return lstrcmpiW(program.TreeItemText(IDC_DIRECTORY_TREE, shown).c_str(), std::wstring(name.begin(), name.end()).c_str()) == 0;
        })) << name;
    }
    // Shift+F10's menu registers it with the system's tool, the menu key's
    // unregisters it (faults: either key ignored, the wrong path).
    for (const auto& [menuKey, item, registered, parameters] :
         {std::tuple{VK_F10, 1, 1ul, " " + component}, std::tuple{VK_APPS, 2, 0ul, " /u " + component}}) {
        SetForegroundWindow(program.Dialog());  // after the tool's own window
        const std::vector<DWORD> toolsBefore = RegistrationToolProcesses();
        PressKeys({static_cast<BYTE>(menuKey)}, menuKey == VK_F10);
        ASSERT_TRUE(program.WaitUntil([&] { return program.FindWindowOfClass(L"#32768") != nullptr; })) << registered;
        for (int down = 0; down < item; ++down)
            PressKeys({VK_DOWN});
        PressKeys({VK_RETURN});
        ASSERT_TRUE(WaitForRegistrationMark(registered, toolsBefore)) << registered;
        const std::string commandLine = RegistrationMark(registered);
        EXPECT_TRUE(commandLine.ends_with(parameters)) << commandLine;
        EXPECT_EQ(directories, FocusOf(program));
    }

    // Escape in an open editor cancels the dialog: no value was written.
    ASSERT_TRUE(program.SelectCategory(1));
    const HWND number = program.ClickValueCell(kNumberRow);
    ASSERT_NE(nullptr, number);
    ProgramUnderTest::PostKey(number, VK_ESCAPE);
    EXPECT_NE(STILL_ACTIVE, program.WaitForExit());
    EXPECT_EQ(before, Values());
}

TEST_F(MainDialogTest, WithoutPropertiesTheProgramSaysSoAndEndsWithItsPositionSaved)
{
    ProgramUnderTest program(TestDataPath("definitions\\root_only.xml"));
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(L"\"KestAdvConfig.xml\" file not found.  Please copy this file to the same folder as the executable.",
              program.AnswerMessageBox(30000));
    EXPECT_NE(STILL_ACTIVE, program.WaitForExit());
    EXPECT_NE("", ReadRegistryText(kPositionKey, "Position").value_or(""));
}

// A window's pixels on the screen once two looks in a row agree (the program paints in its own time).
std::vector<COLORREF> SettledPixels(const ProgramUnderTest& program, HWND window)
{
    std::vector<COLORREF> last, now;
    program.WaitUntil([&] {
        const WindowImage image(window, WindowImage::Area::Screen);
        now.clear();
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                now.push_back(image.At(x, y));
        last.swap(now);
        return !last.empty() && last == now;
    });
    return last;
}

// The pointer placed on a screen point, once the system has it there.
bool PointerAt(const ProgramUnderTest& program, POINT at)
{
    SetCursorPos(at.x, at.y);
    return program.WaitUntil([&] {
        POINT now{};
        return GetCursorPos(&now) && now.x == at.x && now.y == at.y;
    });
}

// Drags the size grip by steps with the real pointer; false when no sizing started.
bool DragGrip(const ProgramUnderTest& program, POINT by, int steps)
{
    RECT client{};
    GetClientRect(program.Dialog(), &client);
    POINT from{client.right - 4, client.bottom - 4};
    ClientToScreen(program.Dialog(), &from);
    EXPECT_EQ(program.Dialog(), GetAncestor(WindowFromPoint(from), GA_ROOT)) << "the grip is covered";
    const auto sizing = [&] { return (ThreadOf(program.Dialog()).flags & GUI_INMOVESIZE) != 0; };
    if (!PointerAt(program, from))
        return false;
    SendPointerButton(MOUSEEVENTF_LEFTDOWN);
    if (!program.WaitUntil(sizing))
        return false;
    for (int step = 1; step <= steps; ++step)
        PointerAt(program, {from.x + by.x * step / steps, from.y + by.y * step / steps});
    SendPointerButton(MOUSEEVENTF_LEFTUP);
    return program.WaitUntil([&] { return !sizing(); });
}

// The box of the window's pixels on the screen that hold `colour`; right < left when none does.
RECT InkBox(HWND window, COLORREF colour)
{
    const WindowImage image(window, WindowImage::Area::Screen);
    RECT box{image.Width(), image.Height(), -1, -1};
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.At(x, y) == colour)
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                       std::max<LONG>(box.bottom, y)};
    return box;
}

// At `dpi` the buttons show the image drawn for it, the controls neither overlap
// nor leave the client, the description lies as far below the name as the font
// has grown (faults: a 16-pixel image at every DPI; a layout in 96-DPI pixels).
void ExpectLaidOutFor(const ProgramUnderTest& program, int dpi)
{
    SCOPED_TRACE(dpi);
    KeepScreenshot(program.Dialog(), ("dpi-" + std::to_string(dpi)).c_str());
    // The columns one colour of each image spans at 16 pixels (Apply's is greyed).
    const struct { int id; COLORREF colour; int span16; } buttons[] = {
        {IDOK, RGB(0x1E, 0x8C, 0x2E), 12}, {IDCANCEL, RGB(0xD0, 0x24, 0x24), 9}, {IDHELP, RGB(0x20, 0x5A, 0xC8), 9}};
    const auto span = [&](const auto& b) {
        const RECT box = InkBox(program.Item(b.id), b.colour);
        return box.right < box.left ? 0 : box.right - box.left + 1;
    };
    ASSERT_TRUE(program.WaitUntil([&] { return std::ranges::all_of(buttons, [&](const auto& b) { return span(b) > 0; }); },
                                  30000));  // a first start at a new DPI takes its time
    for (const auto& button : buttons)
        EXPECT_NEAR(button.span16 * dpi / 96, span(button), dpi / 96) << "button " << button.id;

    RECT client{};
    GetClientRect(program.Dialog(), &client);
    MapWindowPoints(program.Dialog(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    std::vector<std::pair<int, RECT>> controls;
    for (HWND child = GetWindow(program.Dialog(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child))
            GetWindowRect(child, &controls.emplace_back(GetDlgCtrlID(child), RECT{}).second);
    for (size_t i = 0; i < controls.size(); ++i) {
        RECT inside{};
        IntersectRect(&inside, &controls[i].second, &client);
        EXPECT_TRUE(EqualRect(&inside, &controls[i].second)) << "control " << controls[i].first << " leaves the client";
        // The property grid and the directory tree take the same place: a page shows one of them.
        for (size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_TRUE(controls[i].first + controls[j].first == IDC_PROPERTY_GRID + IDC_DIRECTORY_TREE ||
                        !IntersectRect(&inside, &controls[i].second, &controls[j].second))
                << "controls " << controls[i].first << " and " << controls[j].first << " overlap";
    }
    // The description's line (blue) lies 20 pixels at 96 DPI below the name's (black).
    ASSERT_TRUE(program.SelectCategory(1));
    const HWND label = GetDlgItem(program.Item(IDC_PROPERTY_GRID), 57341);
    ASSERT_TRUE(program.WaitUntil([&] { return InkBox(label, RGB(0, 0, 0)).bottom >= 0; }));
    EXPECT_NEAR(MulDiv(20, dpi, 96), InkBox(label, RGB(0, 0, 0)).top - InkBox(label, RGB(0, 0, 255)).top, 1);
}

}  // namespace

// Where the user left the window, and the grid's column widths, come back at the
// next run; whatever resizes the dialog, each control it moves shows what a fresh
// paint shows (faults: torn button frames after the grip, buttons not drawn).
TEST_F(MainDialogTest, TheWindowAndTheColumnsComeBackAsTheyWereLeftAndLookPaintedAfresh)
{
    for (const auto& [name, value] : {std::pair{"First1010", 1u}, {"First1011", 1u}, {"Hidden", 4u}})
        WriteRegistryDword(kRulesKey, name, value);
    ProgramUnderTest program(TestDataPath("dialog\\pages.xml"));
    ASSERT_TRUE(Run(program));
    const RECT placed = program.WindowRect();
    const int nameWidth = ColumnWidth(program, 0);
    EXPECT_GT(nameWidth, 0);
    ExpectLaidOutFor(program, 96);  // shows the first page

    ASSERT_TRUE(Choose(program, kStoredRow, 1));
    ASSERT_TRUE(Apply(program));

    // Sized from outside, as another program does, then with the grip, to
    // sizes above the first (a minimum); an eighth of the screen is exact in six decimals.
    const auto expectWhole = [&](const char* how) {
        for (const int id : {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP, IDC_CATEGORY_TREE, IDC_PROPERTY_GRID, IDC_LABEL}) {
            const HWND control = program.Item(id);
            const std::vector<COLORREF> shown = SettledPixels(program, control);
            RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            EXPECT_TRUE(shown == SettledPixels(program, control)) << how << ": control " << id;
        }
    };
    const LONG left = GetSystemMetrics(SM_CXSCREEN) / 8;
    const LONG top = GetSystemMetrics(SM_CYSCREEN) / 8;
    for (int step = 1; step <= 3; ++step) {
        SetWindowPos(program.Dialog(), nullptr, left, top, placed.right - placed.left + 10 * step,
                     placed.bottom - placed.top + 7 * step, SWP_NOZORDER | SWP_NOACTIVATE);
        expectWhole("from outside");
    }
    const RECT outside = program.WindowRect();
    ASSERT_TRUE(DragGrip(program, {60, 40}, 6));
    const RECT sized = program.WindowRect();
    EXPECT_EQ((std::vector<LONG>{left, top, outside.right + 60}), (std::vector<LONG>{sized.left, sized.top, sized.right}));
    expectWhole("grip");
    SendMessageW(program.Grid(), LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(nameWidth + 17, 0));
    ASSERT_NE(STILL_ACTIVE, CloseBox(program));
    EXPECT_EQ("0.125000,0.125000," + std::to_string(sized.right - left) + "," + std::to_string(sized.bottom - top),
              ReadRegistryText(kPositionKey, "Position").value_or(""));
    // Closing kept what Apply wrote: what the first-choice and hidden rows hold, not what they show.
    for (const char* value : {"Rules\\First1010=1", "Rules\\First1011=1", "Rules\\Hidden=4", "Rules\\Stored=1"})
        EXPECT_EQ(1, std::ranges::count(Values(), value)) << value;

    ASSERT_TRUE(Run(program));
    const RECT again = program.WindowRect();
    EXPECT_EQ((std::vector<LONG>{sized.left, sized.top, sized.right, sized.bottom}),
              (std::vector<LONG>{again.left, again.top, again.right, again.bottom}));
    EXPECT_EQ(nameWidth + 17, ColumnWidth(program, 0));
    EXPECT_NE(STILL_ACTIVE, CloseBox(program));
}

// At 144 DPI the dialog is wider than the other tests' 1024 x 768 screen:
// editor_tests_on_a_large_screen runs this on a screen that holds it.
TEST_F(MainDialogTest, At192DpiOnALargeScreen)
{
    if (GetSystemMetrics(SM_CXSCREEN) < 2048 || GetSystemMetrics(SM_CYSCREEN) < 1536)
        GTEST_SKIP() << "needs a screen of 2048 x 1536 pixels";
    const RegistryKeyKeeper desktop("Control Panel\\Desktop");
    for (const int dpi : {144, 192}) {
        DeleteRegistryKey(kCompanyKey);  // no stored position or widths: the template's size
        ASSERT_TRUE(WriteRegistryDword("Control Panel\\Desktop", "LogPixels", static_cast<DWORD>(dpi)));
        ProgramUnderTest program(TestDataPath("dialog\\pages.xml"));
        ASSERT_TRUE(Run(program));
        ExpectLaidOutFor(program, dpi);
        EXPECT_NE(STILL_ACTIVE, CloseBox(program));
    }
}
