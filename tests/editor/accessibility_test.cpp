// The program as a screen reader meets it: each window's accessible object,
// asked from another process, and its children, walked as an assistive
// program walks them.
#include "platform/window_accessible.h"
#include "resources/resource.h"
#include "tests/editor/support/program_under_test.h"
#include "tests/support/registry_listing.h"
#include "tests/support/registry_values.h"

#include <gtest/gtest.h>

#include <oleacc.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr char kCompanyKey[] = "Software\\Tarnwick, Inc.";
constexpr int kDescriptionLabel = 57341;

using Items = std::vector<std::pair<std::wstring, std::wstring>>;  // name, value

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

    template <typename Answer>
    HRESULT Ask(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, Answer*), LONG child, Answer* answer) const
    {
        VARIANT id{};
        id.vt = VT_I4;
        id.lVal = child;
        return object != nullptr ? (object->*get)(id, answer) : E_FAIL;
    }
    std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), LONG child = 0) const
    {
        BSTR text = nullptr;
        const std::wstring result = SUCCEEDED(Ask(get, child, &text)) && text != nullptr ? text : L"";
        SysFreeString(text);
        return result;
    }
    LONG Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), LONG child) const
    {
        VARIANT answer{};
        return SUCCEEDED(Ask(get, child, &answer)) && answer.vt == VT_I4 ? answer.lVal : -1;
    }
    bool Has(LONG child, LONG state) const { return (Number(&IAccessible::get_accState, child) & state) != 0; }
    // The simple children AccessibleChildren gives, with their names and values.
    Items Children() const
    {
        LONG count = 0;
        if (object == nullptr || FAILED(object->get_accChildCount(&count)))
            return {};
        std::vector<VARIANT> children(static_cast<size_t>(count));
        AccessibleChildren(object, 0, count, children.data(), &count);
        Items items;
        for (VARIANT& child : children) {
            if (child.vt == VT_I4)
                items.emplace_back(Text(&IAccessible::get_accName, child.lVal),
                                   Text(&IAccessible::get_accValue, child.lVal));
            VariantClear(&child);
        }
        return items;
    }

    IAccessible* object = nullptr;
};

// The shown controls a user can reach (enabled tab stops, the trees, the
// grid) whose accessible objects give no name.
std::vector<int> UnnamedControls(const ProgramUnderTest& program)
{
    std::vector<HWND> windows;
    EnumChildWindows(program.Dialog(), [](HWND window, LPARAM found) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&windows));
    const HWND always[] = {program.Item(IDC_CATEGORY_TREE), program.Item(IDC_DIRECTORY_TREE), program.Grid()};
    std::vector<int> unnamed;
    for (const HWND window : windows) {
        const bool tabStop = IsWindowEnabled(window) && (GetWindowLongW(window, GWL_STYLE) & WS_TABSTOP) != 0;
        if (IsWindowVisible(window) && (tabStop || std::ranges::count(always, window) != 0) &&
            Accessible(window).Text(&IAccessible::get_accName).empty())
            unnamed.push_back(GetDlgCtrlID(window));
    }
    return unnamed;
}

TEST(AccessibilityTest, EveryReachableControlIsNamedAndTheTreesAndTheGridReadOutWhatTheyShow)
{
    const RegistryKeyKeeper keeper(kCompanyKey);  // the program keeps its settings there
    DeleteRegistryKey(kCompanyKey);                // no stored window position or column widths
    const struct Apartment {  // COM for the accessible objects' calls, for this test
        Apartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
        ~Apartment() { CoUninitialize(); }
    } apartment;
    ProgramUnderTest program(TestDataPath("dialog\\pages.xml"));
    ASSERT_TRUE(program.Start() && program.WaitForDialog() != nullptr);
    const std::vector<HTREEITEM> categories = program.CategoryItems();
    ASSERT_LT(3u, categories.size());
    const auto componentsPage = static_cast<int>(categories.size()) - 1;

    // At start, on a property page and on the Components page nothing a user
    // can reach is silent (fault: a tree or the grid has no name).
    for (const int page : {-1, 1, componentsPage}) {
        ASSERT_TRUE(page < 0 || program.SelectCategory(page)) << page;
        program.WaitUntil([&] { return UnnamedControls(program).empty(); }, 2000);
        EXPECT_EQ(std::vector<int>{}, UnnamedControls(program)) << "page " << page;
    }

    // The category tree reads out its items in display order with their
    // levels (fault: items missing, out of order, at one level); the chosen
    // one is selected and the root open (fault: states not the item's).
    Items expected;
    for (const HTREEITEM item : categories)
        expected.emplace_back(program.CategoryText(item), item == categories[0] ? L"0" : L"1");
    const Accessible tree(program.Item(IDC_CATEGORY_TREE));
    EXPECT_EQ(expected, tree.Children());
    EXPECT_TRUE(tree.Has(componentsPage + 1, STATE_SYSTEM_SELECTED) && !tree.Has(2, STATE_SYSTEM_SELECTED));
    EXPECT_TRUE(tree.Has(1, STATE_SYSTEM_EXPANDED));
    EXPECT_EQ(ROLE_SYSTEM_OUTLINEITEM, tree.Number(&IAccessible::get_accRole, 1));

    // The directory tree reads out the drives it shows (fault: its items silent).
    const Items dirItems = Accessible(program.Item(IDC_DIRECTORY_TREE)).Children();
    EXPECT_NE(dirItems.end(), std::ranges::find(dirItems, std::make_pair(std::wstring(L"C:"), std::wstring(L"0"))));

    // The grid is named after its page (fault: the file's name kept), and
    // each row reads out the attribute's name and the value the grid shows
    // (fault: columns swapped, rows missing or shifted).
    ASSERT_TRUE(program.SelectCategory(1));
    const Items rows = program.GridRows();
    ASSERT_LT(2u, rows.size());
    const Accessible grid(program.Grid());
    EXPECT_EQ(program.CategoryText(categories[1]), grid.Text(&IAccessible::get_accName));
    EXPECT_EQ(rows, grid.Children());
    EXPECT_EQ(ROLE_SYSTEM_LISTITEM, grid.Number(&IAccessible::get_accRole, 1));

    // Once a row is chosen it is the selected one and the description pane
    // reads out its name and description (fault: the pane silent or stale).
    ASSERT_TRUE(program.ClickCell(1, 0));
    ASSERT_TRUE(program.WaitUntil([&] { return grid.Has(2, STATE_SYSTEM_SELECTED); }));
    EXPECT_FALSE(grid.Has(1, STATE_SYSTEM_SELECTED));
    const Accessible pane(GetDlgItem(program.Item(IDC_PROPERTY_GRID), kDescriptionLabel));
    EXPECT_EQ(rows[1].first + L"\nOpens on its first choice.", pane.Text(&IAccessible::get_accName));

    PostMessageW(program.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(0u, program.WaitForExit());
}

}  // namespace
