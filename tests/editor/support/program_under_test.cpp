#include "tests/editor/support/program_under_test.h"

#include <cstddef>
#include <cstring>

namespace {

constexpr wchar_t kDialogTitle[] = L"Quorvelin Advanced Configuration";
constexpr UINT kGridId = 57342;
constexpr int kCellEditorId = 500;
constexpr size_t kTextChars = 1024;

// A block of memory in the program's process, for the messages of the
// common controls that pass pointers: those are not carried between
// processes, so their structures are written there and read back.
class RemoteBlock {
public:
    RemoteBlock(HANDLE process, size_t size)
        : m_process(process),
          m_address(static_cast<char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)))
    {
    }
    ~RemoteBlock()
    {
        if (m_address != nullptr)
            VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    bool Valid() const { return m_address != nullptr; }
    char* At(size_t offset) const { return m_address + offset; }
    LPARAM Param(size_t offset = 0) const { return reinterpret_cast<LPARAM>(At(offset)); }
    bool Write(size_t offset, const void* data, size_t size) const
    {
        return WriteProcessMemory(m_process, At(offset), data, size, nullptr) != FALSE;
    }
    bool Read(size_t offset, void* data, size_t size) const
    {
        return ReadProcessMemory(m_process, At(offset), data, size, nullptr) != FALSE;
    }
    std::wstring ReadText(size_t offset) const
    {
        std::wstring text(kTextChars, L'\0');
        if (!Read(offset, text.data(), kTextChars * sizeof(wchar_t)))
            return {};
        text.resize(text.find(L'\0'));
        return text;
    }

private:
    HANDLE m_process;
    char* m_address;
};

std::wstring WindowTextOf(HWND window)
{
    wchar_t text[kTextChars] = {};
    GetWindowTextW(window, text, static_cast<int>(kTextChars));
    return text;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

bool IsMessageBox(HWND window)
{
    return ClassOf(window) == L"#32770" && GetDlgItem(window, 0xFFFF) != nullptr && IsWindowVisible(window);
}

struct ProcessWindows {
    DWORD processId;
    std::function<bool(HWND)> wanted;
    HWND found = nullptr;
};

BOOL CALLBACK VisitTopLevel(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<ProcessWindows*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && search->wanted(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindProcessWindow(DWORD processId, std::function<bool(HWND)> wanted)
{
    ProcessWindows search{processId, std::move(wanted)};
    EnumWindows(&VisitTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK FindShownIcon(HWND child, LPARAM found)
{
    if (ClassOf(child) == L"Static" && (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0) != 0)
        *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

}  // namespace

ProgramUnderTest::ProgramUnderTest(const std::string& definitionFile, bool withHelp)
{
    m_folder.CopyFileTo(ExecutableFolder() + "KestAdvConfig.exe", "KestAdvConfig.exe");
    if (!definitionFile.empty())
        m_folder.CopyFileTo(definitionFile, "kestadvconfig.xml");
    if (withHelp)
        m_folder.CopyFileTo(ExecutableFolder() + "HELP\\KestAdvConfig.chm", "HELP\\KestAdvConfig.chm");
}

bool ProgramUnderTest::Start()
{
    m_dialog = nullptr;
    m_process.reset();  // a run still going is ended first
    m_process = std::make_unique<ProgramProcess>(m_folder.Path() + "\\KestAdvConfig.exe", m_folder.Path().c_str());
    return m_process->Started();
}

HWND ProgramUnderTest::WaitForDialog(DWORD timeoutMs)
{
    WaitUntil([&] { return (m_dialog = FindWindowTitled(kDialogTitle)) != nullptr; }, timeoutMs);
    return m_dialog;
}

HWND ProgramUnderTest::FindWindowTitled(const wchar_t* title) const
{
    if (!m_process)
        return nullptr;
    return FindProcessWindow(m_process->Id(),
                             [&](HWND window) { return IsWindowVisible(window) && WindowTextOf(window) == title; });
}

HWND ProgramUnderTest::FindWindowOfClass(const wchar_t* className) const
{
    if (!m_process)
        return nullptr;
    return FindProcessWindow(m_process->Id(),
                             [&](HWND window) { return IsWindowVisible(window) && ClassOf(window) == className; });
}

HWND ProgramUnderTest::Grid() const
{
    return GetDlgItem(Item(IDC_PROPERTY_GRID), kGridId);
}

RECT ProgramUnderTest::WindowRect() const
{
    RECT rect{};
    GetWindowRect(m_dialog, &rect);
    return rect;
}

DWORD ProgramUnderTest::WaitForExit(DWORD timeoutMs) const
{
    return m_process ? m_process->WaitForExit(timeoutMs) : STILL_ACTIVE;
}

bool ProgramUnderTest::WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) const
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done())
            return true;
        if (GetTickCount64() >= deadline || !m_process)
            return false;
        // Another process's windows: wake when it ends, else look again shortly.
        if (WaitForSingleObject(m_process->Handle(), 20) == WAIT_OBJECT_0)
            return done();
    }
}

std::optional<ProgramUnderTest::Box> ProgramUnderTest::AnswerMessageBox(DWORD timeoutMs) const
{
    HWND box = nullptr;
    if (!m_process ||
        !WaitUntil([&] { return (box = FindProcessWindow(m_process->Id(), &IsMessageBox)) != nullptr; }, timeoutMs))
        return std::nullopt;
    Box seen;
    seen.caption = WindowTextOf(box);
    seen.text = WindowTextOf(GetDlgItem(box, 0xFFFF));
    EnumChildWindows(box, &FindShownIcon, reinterpret_cast<LPARAM>(&seen.hasIcon));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    WaitUntil([&] { return !IsWindow(box); }, timeoutMs);
    return seen;
}

std::vector<HTREEITEM> ProgramUnderTest::CategoryItems() const
{
    const HWND tree = Item(IDC_CATEGORY_TREE);
    std::vector<HTREEITEM> items;
    const auto root = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    if (root == nullptr)
        return items;
    items.push_back(root);
    for (auto child = reinterpret_cast<HTREEITEM>(
             SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(root)));
         child != nullptr; child = reinterpret_cast<HTREEITEM>(
                               SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child))))
        items.push_back(child);
    return items;
}

std::wstring ProgramUnderTest::TreeItemText(int treeId, HTREEITEM item) const
{
    RemoteBlock block(m_process->Handle(), sizeof(TVITEMW) + kTextChars * sizeof(wchar_t));
    TVITEMW request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = reinterpret_cast<wchar_t*>(block.At(sizeof request));
    request.cchTextMax = static_cast<int>(kTextChars);
    if (!block.Valid() || !block.Write(0, &request, sizeof request) ||
        !SendMessageW(Item(treeId), TVM_GETITEMW, 0, block.Param()))
        return {};
    return block.ReadText(sizeof request);
}

HTREEITEM ProgramUnderTest::SelectedTreeItem(int treeId) const
{
    return reinterpret_cast<HTREEITEM>(SendMessageW(Item(treeId), TVM_GETNEXTITEM, TVGN_CARET, 0));
}

bool ProgramUnderTest::SelectCategory(int position) const
{
    const std::vector<HTREEITEM> items = CategoryItems();
    if (position < 0 || position >= static_cast<int>(items.size()))
        return false;
    const HWND tree = Item(IDC_CATEGORY_TREE);
    const HTREEITEM wanted = items[static_cast<size_t>(position)];
    // TVM_GETITEMRECT takes the item's handle in the rectangle's place.
    RECT label{};
    std::memcpy(&label, &wanted, sizeof wanted);
    RemoteBlock block(m_process->Handle(), sizeof label);
    if (!block.Valid() || !block.Write(0, &label, sizeof label) ||
        !SendMessageW(tree, TVM_GETITEMRECT, TRUE, block.Param()) || !block.Read(0, &label, sizeof label))
        return false;
    const LPARAM point = MAKELPARAM((label.left + label.right) / 2, (label.top + label.bottom) / 2);
    PostMessageW(tree, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(tree, WM_LBUTTONUP, 0, point);
    // The selection's notification is handled before the tree answers again.
    return WaitUntil([&] { return SelectedCategory() == wanted; });
}

std::wstring ProgramUnderTest::CellText(int row, int column) const
{
    RemoteBlock block(m_process->Handle(), sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
    LVITEMW request{};
    request.iSubItem = column;
    request.pszText = reinterpret_cast<wchar_t*>(block.At(sizeof request));
    request.cchTextMax = static_cast<int>(kTextChars);
    if (!block.Valid() || !block.Write(0, &request, sizeof request))
        return {};
    SendMessageW(Grid(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), block.Param());
    return block.ReadText(sizeof request);
}

std::vector<std::pair<std::wstring, std::wstring>> ProgramUnderTest::GridRows() const
{
    std::vector<std::pair<std::wstring, std::wstring>> rows;
    const int count = static_cast<int>(SendMessageW(Grid(), LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row)
        rows.emplace_back(CellText(row, 0), CellText(row, 1));
    return rows;
}

bool ProgramUnderTest::ClickCell(int row, int column) const
{
    const HWND grid = Grid();
    RemoteBlock block(m_process->Handle(), sizeof(RECT));
    // Sub-item 0's bounds are the whole row's: its label is the name cell.
    RECT cell{column == 0 ? LVIR_LABEL : LVIR_BOUNDS, column, 0, 0};
    if (!block.Valid() || !block.Write(0, &cell, sizeof cell) ||
        !SendMessageW(grid, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), block.Param()) ||
        !block.Read(0, &cell, sizeof cell))
        return false;
    const LPARAM point = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    PostMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(grid, WM_LBUTTONUP, 0, point);
    return true;
}

HWND ProgramUnderTest::OpenEditor() const
{
    HWND editor = nullptr;
    WaitUntil([&] { return (editor = GetDlgItem(Grid(), kCellEditorId)) != nullptr && IsWindowVisible(editor); });
    return editor;
}

HWND ProgramUnderTest::ClickValueCell(int row) const
{
    return ClickCell(row, 1) ? OpenEditor() : nullptr;
}

void ProgramUnderTest::PostKey(HWND window, UINT key)
{
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

bool ProgramUnderTest::ChooseInList(HWND editor, int index) const
{
    PostKey(editor, VK_F4);
    PostKey(editor, VK_HOME);
    for (int i = 0; i < index; ++i)
        PostKey(editor, VK_DOWN);
    PostKey(editor, VK_RETURN);
    return WaitUntil([&] { return !IsWindow(editor); });
}

void ProgramUnderTest::Click(int id) const
{
    PostMessageW(Item(id), BM_CLICK, 0, 0);
}

std::vector<std::pair<HWND, std::wstring>> ProgramUnderTest::ToolTips() const
{
    std::vector<std::pair<HWND, std::wstring>> tools;
    const HWND tip = FindProcessWindow(m_process->Id(), [&](HWND window) {
        // The controls' own tips are plain; the dialog's are balloons.
        return ClassOf(window) == TOOLTIPS_CLASSW && GetWindow(window, GW_OWNER) == m_dialog &&
               (GetWindowLongPtrW(window, GWL_STYLE) & TTS_BALLOON) != 0;
    });
    if (tip == nullptr)
        return tools;
    const int count = static_cast<int>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    RemoteBlock block(m_process->Handle(), sizeof(TTTOOLINFOW) + kTextChars * sizeof(wchar_t));
    for (int i = 0; i < count && block.Valid(); ++i) {
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.lpszText = reinterpret_cast<wchar_t*>(block.At(sizeof info));
        const wchar_t none = L'\0';
        block.Write(sizeof info, &none, sizeof none);
        if (!block.Write(0, &info, sizeof info) ||
            !SendMessageW(tip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), block.Param()) ||
            !block.Read(0, &info, sizeof info))
            continue;
        // A whole-window tool is named by its handle; hwnd is its parent.
        const HWND tool = (info.uFlags & TTF_IDISHWND) != 0 ? reinterpret_cast<HWND>(info.uId) : info.hwnd;
        tools.emplace_back(tool, block.ReadText(sizeof info));
    }
    return tools;
}
