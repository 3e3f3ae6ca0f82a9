#include "tour/tour_screens.h"

#include "resources/resource.h"
#include "tests/editor/support/program_under_test.h"
#include "tour/program_windows.h"
#include "tour/real_input.h"
#include "tour/remote_memory.h"
#include "tour/remote_tree.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace ProgramWindows;

constexpr int kHelpButton = 9;
constexpr int kCellEditor = 500;
// How far the size grip is dragged: the dialog stays on a 1024x768 screen.
constexpr int kGrowX = 150;
constexpr int kGrowY = 100;
constexpr DWORD kStartMs = 60000;
constexpr DWORD kShowMs = 10000;
// A tip shows after the pointer has rested a moment; a loaded machine is slow.
constexpr DWORD kTipMs = 8000;

constexpr wchar_t kThemeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
constexpr wchar_t kValuesKey[] = L"Software\\Tarnwick, Inc.\\Quorvelin X8";
constexpr char kComponentFolder[] = "C:\\kac-tour";
constexpr char kComponentFile[] = "C:\\kac-tour\\component.dll";
constexpr wchar_t kComponentFolderName[] = L"kac-tour";
constexpr wchar_t kComponentName[] = L"component.dll";

void PostKey(HWND window, UINT key)
{
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

void Type(HWND window, const std::wstring& text)
{
    for (const wchar_t c : text)
        PostMessageW(window, WM_CHAR, c, 1);
}

std::wstring Quoted(const std::wstring& text)
{
    return L"\u201C" + text + L"\u201D";
}

std::wstring Size(const RECT& rect)
{
    return std::to_wstring(rect.right - rect.left) + L"\u00D7" + std::to_wstring(rect.bottom - rect.top);
}

std::wstring ThemeActiveValue()
{
    wchar_t value[8] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kThemeKey, L"ThemeActive", RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return {};
    return value;
}

void SetThemeActive(const std::wstring& value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, kThemeKey, L"ThemeActive", REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// The visual style the prefix names, when its file is there.
std::wstring ThemeFile()
{
    wchar_t path[MAX_PATH] = {};
    DWORD size = sizeof path;
    if (RegGetValueW(HKEY_CURRENT_USER, kThemeKey, L"DllName", RRF_RT_REG_SZ, nullptr, path, &size) != ERROR_SUCCESS ||
        GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES)
        return {};
    return path;
}

HWND SizeGrip(HWND dialog)
{
    HWND grip = nullptr;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM found) -> BOOL {
            if (ClassOf(child) == L"ScrollBar" && (GetWindowLongPtrW(child, GWL_STYLE) & SBS_SIZEGRIP) != 0 &&
                IsWindowVisible(child)) {
                *reinterpret_cast<HWND*>(found) = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&grip));
    return grip;
}

bool InMoveSize(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && (info.flags & GUI_INMOVESIZE) != 0;
}

bool HasDescendantOfClass(HWND window, const wchar_t* className)
{
    struct Search {
        const wchar_t* className;
        bool found;
    } search{className, false};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            s->found = s->found || ClassOf(child) == s->className;
            return !s->found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Below a volatile key the registry refuses a lasting one: Apply fails there.
void MakeVolatileKey(bool make)
{
    const std::wstring key = std::wstring(kValuesKey) + L"\\Volatile";
    RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    if (!make)
        return;
    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kValuesKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        &created, nullptr) == ERROR_SUCCESS)
        RegCloseKey(created);
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        &created, nullptr) == ERROR_SUCCESS)
        RegCloseKey(created);
}

// Clicks the shown part of a row's value cell, as a user does, and returns
// the editor it opens: the middle of the whole cell may lie beyond the
// grid's right edge when its column is the wider.
HWND OpenEditor(const ProgramUnderTest& program, int row)
{
    const HWND grid = program.Grid();
    const RemoteMemory memory(grid, sizeof(RECT));
    RECT cell{LVIR_BOUNDS, 1, 0, 0};  // sub-item 1, its whole rectangle
    RECT client{};
    GetClientRect(grid, &client);
    if (row < 0 || !memory.Write(0, &cell, sizeof cell) ||
        !SendMessageW(grid, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), memory.At()) ||
        !memory.Read(0, &cell, sizeof cell))
        return nullptr;
    POINT point{(cell.left + std::min(cell.right, client.right)) / 2, (cell.top + cell.bottom) / 2};
    ClientToScreen(grid, &point);
    RealInput::PointAt(point);
    RealInput::Button(MOUSEEVENTF_LEFTDOWN);
    RealInput::Button(MOUSEEVENTF_LEFTUP);
    HWND editor = nullptr;
    program.WaitUntil([&] { return (editor = GetDlgItem(grid, kCellEditor)) != nullptr && IsWindowVisible(editor); });
    return editor;
}

// Chooses the category of this name in the category tree.
bool SelectCategoryNamed(const ProgramUnderTest& program, const std::wstring& name)
{
    const std::vector<HTREEITEM> items = program.CategoryItems();
    for (size_t i = 1; i < items.size(); ++i)
        if (program.CategoryText(items[i]) == name)
            return program.SelectCategory(static_cast<int>(i));
    return false;
}

}  // namespace

TourScreens::TourScreens(TourAlbum& album) : m_album(album)
{
    // A component file a user might register, in a shallow folder.
    CreateDirectoryA(kComponentFolder, nullptr);
    if (FILE* out = std::fopen(kComponentFile, "wb")) {
        std::fputs("MZ", out);
        std::fclose(out);
    }
}

TourScreens::~TourScreens()
{
    DeleteFileA(kComponentFile);
    RemoveDirectoryA(kComponentFolder);
}

bool TourScreens::Start(ProgramUnderTest& program, const char* screen)
{
    if (program.Start() && program.WaitForDialog(kStartMs) != nullptr)
        return true;
    m_album.Fail(screen, L"the program's dialog did not show");
    return false;
}

void TourScreens::Close(const ProgramUnderTest& program) const
{
    program.Click(IDCANCEL);
    program.WaitForExit();
}

void TourScreens::Sample()
{
    ProgramUnderTest program(ExecutableFolder() + "kestadvconfig.xml", /*withHelp*/ true);
    if (!Start(program, "start"))
        return;
    RealInput::PointAt(AwayFromProgram());
    m_album.Take("start", L"At start, on the sample: the category tree, no page chosen yet");
    Pages(program);
    ListEditors(program);
    ButtonTips(program);
    SystemMenuAndAbout(program);
    HelpViewer(program);
    DirectoryTreeTip(program);
    const std::wstring theme = ThemeFile();
    if (ThemeActiveValue() == L"1" && !theme.empty())
        ComponentMenu(program, "menu-themed", L"with visual themes on (" + theme + L")");
    else
        m_album.Fail("menu-themed", L"no visual theme is active in the tour's prefix");
    GripDrag(program);
    Close(program);
}

void TourScreens::ClassicMenu()
{
    const std::wstring before = ThemeActiveValue();
    SetThemeActive(L"0");  // read by each program as it starts
    {
        ProgramUnderTest program(ExecutableFolder() + "kestadvconfig.xml");
        if (Start(program, "menu-classic")) {
            ComponentMenu(program, "menu-classic", L"with visual themes off (the classic look)");
            Close(program);
        }
    }
    SetThemeActive(before);
}

void TourScreens::Pages(const ProgramUnderTest& program)
{
    const std::vector<HTREEITEM> items = program.CategoryItems();
    if (items.size() < 2)
        m_album.Fail("page", L"the category tree shows no category");
    for (size_t i = 1; i < items.size(); ++i) {
        const std::string screen = "page-" + std::to_string(i);
        const std::wstring name = program.CategoryText(items[i]);
        const HWND tree = program.Item(IDC_DIRECTORY_TREE);
        const HWND grid = program.Item(IDC_PROPERTY_GRID);
        const bool shown = program.SelectCategory(static_cast<int>(i)) && program.WaitUntil([&] {
            return (IsWindowVisible(grid) && !program.GridRows().empty()) ||
                   (IsWindowVisible(tree) && SendMessageW(tree, TVM_GETCOUNT, 0, 0) > 0);
        });
        if (shown)
            m_album.Take(screen.c_str(), L"Category page " + Quoted(name));
        else
            m_album.Fail(screen.c_str(), L"the page of " + Quoted(name) + L" showed neither rows nor folders");
    }
}

int TourScreens::ShowRow(const ProgramUnderTest& program, const std::wstring& label) const
{
    const int categories = static_cast<int>(program.CategoryItems().size());
    for (int position = 1; position < categories; ++position) {
        if (!program.SelectCategory(position) || !IsWindowVisible(program.Item(IDC_PROPERTY_GRID)))
            continue;
        const auto rows = program.GridRows();
        for (size_t row = 0; row < rows.size(); ++row)
            if (rows[row].first == label)
                return static_cast<int>(row);
    }
    return -1;
}

void TourScreens::ListEditors(const ProgramUnderTest& program)
{
    RealInput::PointAt(AwayFromProgram());
    // Combo box: its list drops down (F4 when the click alone did not).
    {
        const std::wstring label = L"Язык интерфейса";
        const int row = ShowRow(program, label);
        const HWND editor = OpenEditor(program, row);
        const auto dropped = [&] { return SendMessageW(editor, CB_GETDROPPEDSTATE, 0, 0) != 0; };
        if (editor != nullptr && !program.WaitUntil(dropped, 1000))
            PostKey(editor, VK_F4);
        if (editor != nullptr && program.WaitUntil(dropped, kShowMs)) {
            m_album.Take("editor-combo-box", L"Combo box editor of " + Quoted(label) + L" (sample)" + L", its list dropped down");
            PostKey(editor, VK_DOWN);
            PostKey(editor, VK_RETURN);
            program.WaitUntil([&] { return !IsWindow(editor); });
        } else {
            m_album.Fail("editor-combo-box", L"the combo box of " + Quoted(label) + L" did not drop down");
        }
    }

    // List box: the list shows in the cell; a click on an item ends the edit.
    {
        const std::wstring label = L"Start mode";
        const int row = ShowRow(program, label);
        const HWND editor = OpenEditor(program, row);
        if (editor != nullptr && ClassOf(editor) == L"ListBox") {
            m_album.Take("editor-list-box", L"List box editor of " + Quoted(label) + L" (sample)");
            const int height = static_cast<int>(SendMessageW(editor, LB_GETITEMHEIGHT, 0, 0));
            const LPARAM second = MAKELPARAM(4, height + height / 2);
            PostMessageW(editor, WM_LBUTTONDOWN, MK_LBUTTON, second);
            PostMessageW(editor, WM_LBUTTONUP, 0, second);
            program.WaitUntil([&] { return !IsWindow(editor); });
        } else {
            m_album.Fail("editor-list-box", L"no list box opened in the row " + Quoted(label));
        }
    }
}

// A text or number row opens an editor only when its attribute has a value
// to show: the sample's have none, the tour's own file's have one each.
void TourScreens::TextEditors(const ProgramUnderTest& program)
{
    RealInput::PointAt(AwayFromProgram());
    const DWORD process = ProcessOf(program.Dialog());
    // Text: typed, then Enter.
    {
        const std::wstring label = L"Window title";
        const std::wstring typed = L"Draft";
        const int row = ShowRow(program, label);
        const HWND editor = OpenEditor(program, row);
        if (editor != nullptr) {
            Type(editor, typed);
            program.WaitUntil([&] { return TextOf(editor) == typed; });
            m_album.Take("editor-text", L"Text editor of " + Quoted(label) + L" (the tour's own file)" + L" with " + Quoted(typed) + L" typed");
            PostKey(editor, VK_RETURN);
            program.WaitUntil([&] { return !IsWindow(editor); });
        } else {
            m_album.Fail("editor-text", L"no editor opened in the row " + Quoted(label));
        }
    }

    // Number: a text that is no number, then Enter, brings up the balloon
    // naming the accepted range. Last on the tour's file: the program sets
    // no value evaluator, so no entry passes the check and the edit stays
    // open until the program closes.
    {
        const std::wstring label = L"Copies";
        const std::wstring typed = L"12x";
        const int row = ShowRow(program, label);
        const HWND editor = OpenEditor(program, row);
        HWND balloon = nullptr;
        if (editor != nullptr) {
            Type(editor, typed);
            program.WaitUntil([&] { return TextOf(editor) == typed; });
            PostKey(editor, VK_RETURN);
            program.WaitUntil([&] { return (balloon = ShownBalloon(process)) != nullptr; });
        }
        if (balloon != nullptr) {
            m_album.Take("editor-number",
                         L"Number editor of " + Quoted(label) + L" (the tour's own file)" + L" after " + Quoted(typed) + L" and Enter: the balloon names the accepted range");
            // A key ends the balloon; the edit stays open with its last
            // accepted text, until the program is closed.
            PostMessageW(editor, WM_KEYDOWN, VK_ESCAPE, 1);
            program.WaitUntil([&] { return !IsWindowVisible(balloon); });
        } else {
            m_album.Fail("editor-number", L"no range balloon showed for " + Quoted(typed) + L" in the row " +
                                              Quoted(label));
        }
    }
}

bool TourScreens::Hover(const ProgramUnderTest& program, HWND control) const
{
    const DWORD process = ProcessOf(program.Dialog());
    // Away first, so that the tip seen next is the control's own.
    RealInput::PointAt(AwayFromProgram());
    program.WaitUntil([&] { return ShownBalloon(process, program.Dialog()) == nullptr; }, 3000);
    RealInput::PointAt(Centre(control));
    return program.WaitUntil([&] { return ShownBalloon(process, program.Dialog()) != nullptr; }, kTipMs);
}

void TourScreens::ButtonTips(const ProgramUnderTest& program)
{
    struct Button {
        int id;
        const char* screen;
        const wchar_t* name;
    };
    const auto tools = program.ToolTips();
    for (const Button& each : {Button{IDOK, "tooltip-ok", L"OK"}, Button{IDCANCEL, "tooltip-cancel", L"Cancel"},
                               Button{ID_APPLY_NOW, "tooltip-apply", L"Apply"},
                               Button{kHelpButton, "tooltip-help", L"Help"}}) {
        const HWND button = program.Item(each.id);
        std::wstring text = L"none";
        for (const auto& [tool, tip] : tools)
            if (tool == button)
                text = Quoted(tip);
        const std::wstring state = IsWindowEnabled(button) ? L"" : L" (the button is disabled)";
        if (button != nullptr && Hover(program, button))
            m_album.Take(each.screen, L"Tooltip of the " + std::wstring(each.name) + L" button" + state +
                                          L"; the text registered for it is " + text);
        else
            m_album.Fail(each.screen, L"no tooltip showed over the " + std::wstring(each.name) + L" button within " +
                                          std::to_wstring(kTipMs / 1000) + L" s" + state);
    }
    RealInput::PointAt(AwayFromProgram());
}

void TourScreens::SystemMenuAndAbout(const ProgramUnderTest& program)
{
    const DWORD process = ProcessOf(program.Dialog());
    // Alt+Space: the system menu; Up from its first item wraps to the last.
    PostMessageW(program.Dialog(), WM_SYSCOMMAND, SC_KEYMENU, L' ');
    HWND menu = nullptr;
    if (program.WaitUntil([&] { return (menu = Shown(process, L"#32768")) != nullptr; }, kShowMs)) {
        PostMessageW(menu, WM_KEYDOWN, VK_UP, 0);
        m_album.Take("system-menu", L"The system menu (Alt+Space), its last item chosen with Up");
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    } else {
        m_album.Fail("system-menu", L"the system menu did not open");
    }
    const auto about = [&] {
        return Shown(process, L"#32770",
                     [&](HWND window) { return window != program.Dialog() && GetDlgItem(window, 0xFFFF) == nullptr; });
    };
    HWND box = nullptr;
    if (program.WaitUntil([&] { return (box = about()) != nullptr; }, kShowMs)) {
        m_album.Take("about-box", L"The About box, from the system menu's last item: " + Quoted(TextOf(box)));
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        program.WaitUntil([&] { return !IsWindow(box); });
    } else {
        m_album.Fail("about-box", L"the system menu's last item opened no About box");
        if (HWND open = Shown(process, L"#32768"))
            PostMessageW(open, WM_KEYDOWN, VK_ESCAPE, 0);
    }
}

void TourScreens::HelpViewer(const ProgramUnderTest& program)
{
    program.Click(kHelpButton);
    HWND viewer = nullptr;
    if (!program.WaitUntil([&] { return (viewer = program.FindWindowOfClass(L"HH Parent")) != nullptr; },
                           kStartMs)) {
        m_album.Fail("help-viewer", L"Help opened no help viewer");
        return;
    }
    const std::wstring page = HasDescendantOfClass(viewer, L"Internet Explorer_Server")
                                  ? L"its page shown"
                                  : L"its page area holds no HTML view: Wine's HTML engine is turned off in the prefix";
    m_album.Take("help-viewer", L"The help viewer after Help: " + Quoted(TextOf(viewer)) + L", " + page);
    PostMessageW(viewer, WM_CLOSE, 0, 0);
    program.WaitUntil([&] { return !IsWindow(viewer); });
}

bool TourScreens::ShowComponents(const ProgramUnderTest& program) const
{
    const HWND tree = program.Item(IDC_DIRECTORY_TREE);
    const int categories = static_cast<int>(program.CategoryItems().size());
    for (int position = categories - 1; position > 0; --position)
        if (program.SelectCategory(position) && program.WaitUntil([&] {
                return IsWindowVisible(tree) && SendMessageW(tree, TVM_GETCOUNT, 0, 0) > 0;
            }, 2000))
            return true;
    return false;
}

void TourScreens::DirectoryTreeTip(const ProgramUnderTest& program)
{
    const HWND tree = program.Item(IDC_DIRECTORY_TREE);
    std::wstring text = L"none";
    for (const auto& [tool, tip] : program.ToolTips())
        if (tool == tree)
            text = Quoted(tip);
    if (ShowComponents(program) && Hover(program, tree))
        m_album.Take("tooltip-directory-tree", L"Tooltip of the directory tree; the text registered for it is " + text);
    else
        m_album.Fail("tooltip-directory-tree", L"no tooltip showed over the directory tree within " +
                                                   std::to_wstring(kTipMs / 1000) + L" s");
    RealInput::PointAt(AwayFromProgram());
}

void TourScreens::ComponentMenu(const ProgramUnderTest& program, const char* screen, const std::wstring& look)
{
    if (!ShowComponents(program)) {
        m_album.Fail(screen, L"the Components page showed no folders");
        return;
    }
    const HWND treeWindow = program.Item(IDC_DIRECTORY_TREE);
    const RemoteTree tree(treeWindow);
    // Opened the way a click on each expand button opens it.
    const auto open = [&](HTREEITEM parent, const std::wstring& name) -> HTREEITEM {
        if (parent == nullptr)
            return nullptr;
        SendMessageW(treeWindow, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
        return tree.Child(parent, name);
    };
    const HTREEITEM drive = tree.Child(nullptr, L"C:");
    const HTREEITEM file = open(open(drive, kComponentFolderName), kComponentName);
    if (file == nullptr) {
        m_album.Fail(screen, L"C:\\kac-tour\\component.dll is not in the directory tree");
        return;
    }
    SendMessageW(treeWindow, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(file));
    const auto point = tree.LabelCentre(file);
    const DWORD process = ProcessOf(program.Dialog());
    HWND menu = nullptr;
    if (point) {
        RealInput::PointAt(*point);
        RealInput::RightClick();
        program.WaitUntil([&] { return (menu = Shown(process, L"#32768")) != nullptr; }, kShowMs);
    }
    if (menu == nullptr) {
        m_album.Fail(screen, L"a right-click on component.dll opened no menu");
        return;
    }
    m_album.Take(screen, L"Right-click menu on C:\\kac-tour\\component.dll, " + look);
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    program.WaitUntil([&] { return !IsWindow(menu) || !IsWindowVisible(menu); });
    RealInput::PointAt(AwayFromProgram());
}

void TourScreens::GripDrag(const ProgramUnderTest& program)
{
    const HWND dialog = program.Dialog();
    const HWND grip = SizeGrip(dialog);
    if (grip == nullptr || program.SelectCategory(1) == false) {
        m_album.Fail("grip-drag", L"the dialog shows no size grip");
        return;
    }
    const RECT before = program.WindowRect();
    const POINT start = Centre(grip);
    const POINT target{start.x + kGrowX, start.y + kGrowY};
    RealInput::PointAt(start);
    RealInput::Button(MOUSEEVENTF_LEFTDOWN);
    program.WaitUntil([&] { return InMoveSize(dialog); }, 3000);
    // The hand moves in short steps toward the target, each step seen by the
    // sizing loop before the next, and goes by where the pointer really is.
    for (int step = 0; step < 40; ++step) {
        POINT now{};
        GetCursorPos(&now);
        if (now.x >= target.x && now.y >= target.y)
            break;
        const RECT was = program.WindowRect();
        RealInput::MoveBy(std::clamp<int>(target.x - now.x, 0, 16), std::clamp<int>(target.y - now.y, 0, 10));
        program.WaitUntil([&] {
            const RECT moved = program.WindowRect();
            return !EqualRect(&moved, &was);
        }, 500);
    }
    RealInput::Button(MOUSEEVENTF_LEFTUP);
    const bool larger = program.WaitUntil([&] {
        const RECT after = program.WindowRect();
        return !InMoveSize(dialog) && after.right - after.left > before.right - before.left &&
               after.bottom - after.top > before.bottom - before.top;
    });
    RealInput::PointAt(AwayFromProgram());
    if (larger)
        m_album.Take("grip-drag", L"The dialog after a drag on its size grip: " + Size(before) + L" \u2192 " +
                                      Size(program.WindowRect()));
    else
        m_album.Fail("grip-drag", L"a drag on the size grip left the dialog at " + Size(program.WindowRect()));
}

void TourScreens::Box(const ProgramUnderTest& program, const char* screen, const std::wstring& cause)
{
    HWND box = nullptr;
    if (!program.WaitUntil([&] { return (box = ShownMessageBox()) != nullptr; }, kStartMs)) {
        m_album.Fail(screen, L"no message box showed " + cause);
        return;
    }
    m_album.Take(screen, L"Message box " + cause + L": " + Quoted(MessageBoxText(box)));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    program.WaitUntil([&] { return !IsWindow(box); });
}

void TourScreens::TourFile()
{
    MakeVolatileKey(true);
    {
        ProgramUnderTest program(TestDataPath("tour\\tour.xml"));
        if (program.Start()) {
            Box(program, "box-duplicate-id", L"(string 113) at start, for an Id that two attributes share");
            if (program.WaitForDialog(kStartMs) != nullptr) {
                // A choice enables Apply; the write below the volatile key fails.
                const HWND editor = SelectCategoryNamed(program, L"Writes") ? OpenEditor(program, 0) : nullptr;
                if (editor != nullptr && program.ChooseInList(editor, 0) &&
                    program.WaitUntil([&] { return IsWindowEnabled(program.Item(ID_APPLY_NOW)) != FALSE; })) {
                    program.Click(ID_APPLY_NOW);
                    Box(program, "box-write-failed", L"(string 108) after Apply, for a value the registry refused");
                } else {
                    m_album.Fail("box-write-failed", L"no choice could be made to enable Apply");
                }
                if (SelectCategoryNamed(program, L"Empty"))
                    Box(program, "box-no-attributes", L"(string 112) for a category whose property has no attributes");
                else
                    m_album.Fail("box-no-attributes", L"the category “Empty” could not be chosen");
                TextEditors(program);
                Close(program);
            }
        } else {
            m_album.Fail("box-duplicate-id", L"the program did not start");
        }
    }
    MakeVolatileKey(false);
    ProgramUnderTest program("");  // no definition file beside it
    if (program.Start()) {
        Box(program, "box-no-definition-file", L"(string 107) at start, without a definition file");
        program.WaitForExit();
    } else {
        m_album.Fail("box-no-definition-file", L"the program did not start");
    }
}
