#include "tests/editor/support/program_under_test.h"

#include <cstring>

namespace {

constexpr int kCellEditorId = 500;
constexpr size_t kTextChars = 1024;

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

void PostClick(HWND window, const RECT& at)
{
    const LPARAM point = MAKELPARAM((at.left + at.right) / 2, (at.top + at.bottom) / 2);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(window, WM_LBUTTONUP, 0, point);
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

// The common controls' messages pass pointers, which do not cross processes:
// `data` (and room for a text that its member `text` then points to) is
// copied into the program's process, and read back after the message.
template <typename T>
LRESULT ProgramUnderTest::SendRemote(HWND window, UINT message, WPARAM wParam, T& data, LPWSTR T::*text,
                                     std::wstring* read) const
{
    std::wstring room(kTextChars, L'\0');
    const size_t roomBytes = kTextChars * sizeof(wchar_t);
    const HANDLE process = m_process->Handle();
    auto* block = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof data + roomBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (block == nullptr)
        return 0;
    if (text != nullptr)
        data.*text = reinterpret_cast<LPWSTR>(block + sizeof data);
    LRESULT result = 0;
    if (WriteProcessMemory(process, block, &data, sizeof data, nullptr) &&
        WriteProcessMemory(process, block + sizeof data, room.data(), roomBytes, nullptr)) {
        result = SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(block));
        ReadProcessMemory(process, block, &data, sizeof data, nullptr);
        if (read != nullptr && ReadProcessMemory(process, block + sizeof data, room.data(), roomBytes, nullptr))
            *read = room.substr(0, room.find(L'\0'));
    }
    VirtualFreeEx(process, block, 0, MEM_RELEASE);
    return result;
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
    return m_dialog = m_process ? m_process->WaitForWindow("Quorvelin Advanced Configuration", timeoutMs) : nullptr;
}

HWND ProgramUnderTest::Find(const std::function<bool(HWND)>& wanted) const
{
    struct Search {
        DWORD process;
        const std::function<bool(HWND)>& wanted;
        HWND found = nullptr;
    } search{m_process ? m_process->Id() : 0, wanted};
    EnumWindows([](HWND window, LPARAM data) {
        auto& search = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == search.process && search.wanted(window))
            search.found = window;
        return search.found == nullptr ? TRUE : FALSE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ProgramUnderTest::FindWindowOfClass(const wchar_t* className, const wchar_t* title) const
{
    return Find([&](HWND window) {
        return IsWindowVisible(window) && ClassOf(window) == className && (title == nullptr || WindowTextOf(window) == title);
    });
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

std::wstring ProgramUnderTest::AnswerMessageBox(DWORD timeoutMs) const
{
    // A message box is a dialog with a static text of the id 0xFFFF.
    HWND box = nullptr;
    if (!WaitUntil([&] {
            return (box = Find([](HWND window) {
                        return IsWindowVisible(window) && ClassOf(window) == L"#32770" && GetDlgItem(window, 0xFFFF);
                    })) != nullptr;
        }, timeoutMs))
        return {};
    const std::wstring text = WindowTextOf(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    WaitUntil([&] { return !IsWindow(box); }, timeoutMs);
    return text;
}

std::vector<HTREEITEM> ProgramUnderTest::CategoryItems() const
{
    const auto next = [tree = Item(IDC_CATEGORY_TREE)](UINT how, HTREEITEM from) {
        return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(from)));
    };
    std::vector<HTREEITEM> items;
    for (HTREEITEM item = next(TVGN_ROOT, nullptr); item != nullptr;
         item = next(items.size() == 1 ? TVGN_CHILD : TVGN_NEXT, item))
        items.push_back(item);
    return items;
}

std::wstring ProgramUnderTest::TreeItemText(int treeId, HTREEITEM item) const
{
    TVITEMW request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.cchTextMax = static_cast<int>(kTextChars);
    std::wstring text;
    SendRemote(Item(treeId), TVM_GETITEMW, 0, request, &TVITEMW::pszText, &text);
    return text;
}

bool ProgramUnderTest::SelectCategory(int position) const
{
    const std::vector<HTREEITEM> items = CategoryItems();
    if (position < 0 || position >= static_cast<int>(items.size()))
        return false;
    const HTREEITEM wanted = items[static_cast<size_t>(position)];
    // TVM_GETITEMRECT takes the item's handle in the rectangle's place.
    RECT label{};
    std::memcpy(&label, &wanted, sizeof wanted);
    if (!SendRemote(Item(IDC_CATEGORY_TREE), TVM_GETITEMRECT, TRUE, label))
        return false;
    PostClick(Item(IDC_CATEGORY_TREE), label);
    // The selection's notification is handled before the tree answers again.
    return WaitUntil([&] { return SelectedTreeItem(IDC_CATEGORY_TREE) == wanted; });
}

std::vector<std::pair<std::wstring, std::wstring>> ProgramUnderTest::GridRows() const
{
    std::vector<std::pair<std::wstring, std::wstring>> rows;
    const auto count = static_cast<int>(SendMessageW(Grid(), LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        auto& [name, value] = rows.emplace_back();
        for (auto [column, text] : {std::pair{0, &name}, {1, &value}}) {
            LVITEMW request{};
            request.iSubItem = column;
            request.cchTextMax = static_cast<int>(kTextChars);
            SendRemote(Grid(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), request, &LVITEMW::pszText, text);
        }
    }
    return rows;
}

bool ProgramUnderTest::ClickCell(int row, int column) const
{
    // Sub-item 0's bounds are the whole row's: its label is the name cell.
    RECT cell{column == 0 ? LVIR_LABEL : LVIR_BOUNDS, column, 0, 0};
    if (!SendRemote(Grid(), LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), cell))
        return false;
    PostClick(Grid(), cell);
    return true;
}

HWND ProgramUnderTest::OpenEditor() const
{
    HWND editor = nullptr;
    WaitUntil([&] { return (editor = GetDlgItem(Grid(), kCellEditorId)) != nullptr && IsWindowVisible(editor); });
    return editor;
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

std::vector<std::pair<HWND, std::wstring>> ProgramUnderTest::ToolTips() const
{
    // The controls' own tips are plain; the dialog's are balloons.
    const HWND tip = Find([&](HWND window) {
        return ClassOf(window) == TOOLTIPS_CLASSW && GetWindow(window, GW_OWNER) == m_dialog &&
               (GetWindowLongPtrW(window, GWL_STYLE) & TTS_BALLOON) != 0;
    });
    std::vector<std::pair<HWND, std::wstring>> tools;
    const auto count = tip != nullptr ? static_cast<int>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0)) : 0;
    for (int i = 0; i < count; ++i) {
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        std::wstring text;
        if (!SendRemote(tip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), info, &TTTOOLINFOW::lpszText, &text))
            continue;
        // A whole-window tool is named by its handle; hwnd is its parent.
        tools.emplace_back((info.uFlags & TTF_IDISHWND) != 0 ? reinterpret_cast<HWND>(info.uId) : info.hwnd, text);
    }
    return tools;
}
