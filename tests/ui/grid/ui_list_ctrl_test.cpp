// Column widths of the list control in the real registry: the even spread on
// the first start, what is read back, and what is written when it goes.
#include "tests/support/host_window.h"
#include "tests/support/registry_listing.h"
#include "tests/support/registry_values.h"
#include "ui/grid/ui_list_ctrl.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr char kKeyPath[] = "Software\\KestAdvConfig Tests\\Column widths";

// A list control 400 pixels wide (client area) with `columns` columns.
struct WidthsList {
    explicit WidthsList(int columns, const char* keyPath = kKeyPath)
    {
        EXPECT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, {0, 0, 400, 200}, &host, 1));
        for (int i = 0; i < columns; ++i)
            list.InsertColumn(i, "", LVCFMT_LEFT, 10);
        list.m_strColumnKeyPath = keyPath;
    }
    HostWindow host;
    UIListCtrl list;
};

}  // namespace

// Faults: widths not spread evenly at first; a stored width read as the whole DWORD;
// a missing one not 75; the widths a user set forgotten, or kept without a key path.
TEST(UIListCtrlTest, WidthsAreSpreadFirstThenReadAsTheirLowWordAndSavedWhenTheWindowGoes)
{
    const RegistryKeyKeeper keeper("Software\\KestAdvConfig Tests");
    const struct {
        int columns;
        std::vector<std::pair<const char*, DWORD>> stored;  // none: no key
        std::vector<int> shown;
    } rows[] = {{2, {}, {200, 200}},
                {3, {}, {133, 133, 134}},
                {2, {{"Number of columns", 2}, {"Column 0 width", 0x10000 + 90}}, {90, 75}}};
    for (const auto& row : rows) {
        DeleteRegistryKey(kKeyPath);
        for (const auto& [name, width] : row.stored)
            WriteRegistryDword(kKeyPath, name, width);
        WidthsList fixture(row.columns);
        fixture.list.LoadColumnWidths();
        for (int column = 0; column < row.columns; ++column)
            EXPECT_EQ(row.shown[static_cast<size_t>(column)], fixture.list.GetColumnWidth(column))
                << row.columns << " columns, " << row.stored.size() << " stored, column " << column;
    }
    DeleteRegistryKey(kKeyPath);
    WidthsList(2, "").list.DestroyWindow();
    EXPECT_FALSE(RegistryKeyExists(kKeyPath));
    WidthsList fixture(2);
    fixture.list.SetColumnWidth(0, 120);
    fixture.list.SetColumnWidth(1, 180);
    fixture.list.DestroyWindow();
    EXPECT_EQ((std::vector<std::string>{"Column 0 width=120", "Column 1 width=180", "Number of columns=2"}),
              RegistryListing(kKeyPath));
}
