#pragma once

#include "resources/resource.h"
#include "tests/support/program_process.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_paths.h"

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// KestAdvConfig.exe as a user runs it: copied, with a definition file as its
// kestadvconfig.xml, into a folder of its own, started there and driven from
// this process through its real windows, by the messages a user's keys and
// clicks make (posted, so that nothing here waits on the program's boxes).
// Each wait is bounded; a program still running at the end is terminated.
class ProgramUnderTest {
public:
    // `definitionFile`: a path, or empty for a program without a file.
    // `withHelp`: the compiled help file goes beside it too, under HELP.
    explicit ProgramUnderTest(const std::string& definitionFile, bool withHelp = false);

    // Starts a run (again, after the last one has ended).
    bool Start();
    // The main dialog once it shows; null after `timeoutMs`.
    HWND WaitForDialog(DWORD timeoutMs = 30000);
    HWND Dialog() const { return m_dialog; }
    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }
    // The list control of the property grid.
    HWND Grid() const;
    RECT WindowRect() const;
    // Exit code, or STILL_ACTIVE while the program runs on after `timeoutMs`.
    DWORD WaitForExit(DWORD timeoutMs = 15000) const;

    struct Box {
        std::wstring caption;
        std::wstring text;
        bool hasIcon = false;
    };
    // Waits for a message box of the program, reads it and presses its OK.
    std::optional<Box> AnswerMessageBox(DWORD timeoutMs = 15000) const;
    // A top-level window of the program with this title.
    HWND FindWindowTitled(const wchar_t* title) const;
    // A visible top-level window of the program of this window class.
    HWND FindWindowOfClass(const wchar_t* className) const;

    // The category tree's items in display order: the root, then its children.
    std::vector<HTREEITEM> CategoryItems() const;
    std::wstring CategoryText(HTREEITEM item) const { return TreeItemText(IDC_CATEGORY_TREE, item); }
    HTREEITEM SelectedCategory() const { return SelectedTreeItem(IDC_CATEGORY_TREE); }
    // The text of an item of the dialog's tree control `treeId`, and the
    // tree's selected item.
    std::wstring TreeItemText(int treeId, HTREEITEM item) const;
    HTREEITEM SelectedTreeItem(int treeId) const;
    // Clicks the label of the item at `position` of CategoryItems and waits
    // until the tree has selected it.
    bool SelectCategory(int position) const;

    // The grid's rows: the text of column 0 and of column 1.
    std::vector<std::pair<std::wstring, std::wstring>> GridRows() const;
    // Clicks a cell of the grid (posted; false when the cell has no place).
    bool ClickCell(int row, int column) const;
    // The grid's open in-cell editor once it shows; null after a while.
    HWND OpenEditor() const;
    // Clicks the value cell of a row and returns the editor it opens.
    HWND ClickValueCell(int row) const;
    // A key pressed and let go, as the program's queue receives it.
    static void PostKey(HWND window, UINT key);
    // Chooses item `index` in an open drop-down list editor with the keys a
    // user presses (F4, Home, Down, Return) and waits until the editor goes.
    bool ChooseInList(HWND editor, int index) const;

    // Presses a button of the dialog (BM_CLICK, posted).
    void Click(int id) const;
    // Each tool of the dialog's (balloon) tooltip control: its window and its text.
    std::vector<std::pair<HWND, std::wstring>> ToolTips() const;

    // Checks `done` until it holds or `timeoutMs` passes, waking when the
    // program ends.
    bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000) const;

private:
    std::wstring CellText(int row, int column) const;

    TempFolder m_folder;
    std::unique_ptr<ProgramProcess> m_process;
    HWND m_dialog = nullptr;
};
