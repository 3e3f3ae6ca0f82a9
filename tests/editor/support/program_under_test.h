#pragma once

#include "resources/resource.h"
#include "tests/support/program_process.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_paths.h"

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// KestAdvConfig.exe copied, with a definition file as its kestadvconfig.xml,
// into a folder of its own, started there and driven through its real windows
// by posted keys and clicks (nothing here waits on the program's boxes).
// Each wait is bounded; a program still running at the end is terminated.
class ProgramUnderTest {
public:
    // `definitionFile`: a path, or empty. `withHelp`: the compiled help goes too.
    explicit ProgramUnderTest(const std::string& definitionFile, bool withHelp = false);

    bool Start();  // again, after the last run has ended
    HWND WaitForDialog(DWORD timeoutMs = 30000);  // null when it does not show
    HWND Dialog() const { return m_dialog; }
    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }
    HWND Grid() const { return GetDlgItem(Item(IDC_PROPERTY_GRID), 57342); }  // the grid's list control
    RECT WindowRect() const
    {
        RECT rect{};
        GetWindowRect(m_dialog, &rect);
        return rect;
    }
    // Exit code, or STILL_ACTIVE while the program runs on after `timeoutMs`.
    DWORD WaitForExit(DWORD timeoutMs = 15000) const
    {
        return m_process ? m_process->WaitForExit(timeoutMs) : STILL_ACTIVE;
    }
    // Checks `done` until it holds or `timeoutMs` passes or the program ends.
    bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000) const;

    // The text of the program's next message box, answered with OK; empty when none shows.
    std::wstring AnswerMessageBox(DWORD timeoutMs = 15000) const;
    // A visible top-level window of the program of this class (and title).
    HWND FindWindowOfClass(const wchar_t* className, const wchar_t* title = nullptr) const;

    // The category tree's items in display order: the root, then its children.
    std::vector<HTREEITEM> CategoryItems() const;
    std::wstring CategoryText(HTREEITEM item) const { return TreeItemText(IDC_CATEGORY_TREE, item); }
    std::wstring TreeItemText(int treeId, HTREEITEM item) const;
    HTREEITEM SelectedTreeItem(int treeId) const { return TreeView_GetSelection(Item(treeId)); }
    // Clicks the item at `position` of CategoryItems; true once it is selected.
    bool SelectCategory(int position) const;

    std::vector<std::pair<std::wstring, std::wstring>> GridRows() const;  // name, value
    bool ClickCell(int row, int column) const;  // false when the cell has no place
    HWND OpenEditor() const;  // the grid's in-cell editor once it shows
    HWND ClickValueCell(int row) const { return ClickCell(row, 1) ? OpenEditor() : nullptr; }
    static void PostKey(HWND window, UINT key);  // pressed and let go
    // Chooses item `index` in an open list editor by F4, Home, Down and Return; true once it has gone.
    bool ChooseInList(HWND editor, int index) const;

    void Click(int id) const { PostMessageW(Item(id), BM_CLICK, 0, 0); }
    // Each tool of the dialog's balloon tooltip: its window and text.
    std::vector<std::pair<HWND, std::wstring>> ToolTips() const;

private:
    template <typename T>
    LRESULT SendRemote(HWND window, UINT message, WPARAM wParam, T& data, LPWSTR T::*text = nullptr,
                       std::wstring* read = nullptr) const;
    HWND Find(const std::function<bool(HWND)>& wanted) const;

    TempFolder m_folder;
    std::unique_ptr<ProgramProcess> m_process;
    HWND m_dialog = nullptr;
};
