// Column widths of the list control in the real registry: the even spread on
// the first start, what is read back, and what is written when it goes.
#include "tests/support/message_pump.h"
#include "ui/grid/ui_list_ctrl.h"

#include <gtest/gtest.h>

namespace {

constexpr char kTestRoot[] = "Software\\KestAdvConfig Tests";
constexpr char kKeyPath[] = "Software\\KestAdvConfig Tests\\Column widths";

// The test's registry key, deleted before and after, however the test ends.
class ScratchKey {
public:
    ScratchKey() { RegDeleteTreeA(HKEY_CURRENT_USER, kTestRoot); }
    ~ScratchKey() { RegDeleteTreeA(HKEY_CURRENT_USER, kTestRoot); }
    void Write(const char* name, DWORD value)
    {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &key, nullptr));
        RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
        RegCloseKey(key);
    }
    // -1 when the value is missing.
    long long Read(const char* name) const
    {
        DWORD value = 0;
        DWORD size = sizeof value;
        if (RegGetValueA(HKEY_CURRENT_USER, kKeyPath, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
            return -1;
        return value;
    }
};

// A list control 400 pixels wide (client area) with the given columns.
struct Fixture {
    explicit Fixture(int columns)
    {
        EXPECT_TRUE(host.CreateEx(0, nullptr, "widths", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 500, 300}, nullptr, 0));
        EXPECT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, {0, 0, 400, 200}, &host, 1));
        for (int i = 0; i < columns; ++i)
            list.InsertColumn(i, "", LVCFMT_LEFT, 10);
        list.m_strColumnKeyPath = kKeyPath;
    }
    CWnd host;
    UIListCtrl list;
};

}  // namespace

TEST(UIListCtrlTest, WithoutAStoredKeyTheClientWidthIsSpreadEvenly)
{
    ScratchKey key;
    Fixture two(2);
    two.list.LoadColumnWidths();
    EXPECT_EQ(200, two.list.GetColumnWidth(0));
    EXPECT_EQ(200, two.list.GetColumnWidth(1));

    Fixture three(3);
    three.list.LoadColumnWidths();
    EXPECT_EQ(133, three.list.GetColumnWidth(0));
    EXPECT_EQ(133, three.list.GetColumnWidth(1));
    EXPECT_EQ(134, three.list.GetColumnWidth(2));
}

TEST(UIListCtrlTest, StoredWidthsAreReadAsTheirLowWordAndAMissingOneGives75)
{
    ScratchKey key;
    key.Write("Number of columns", 2);
    key.Write("Column 0 width", 0x10000 + 90);  // above 65535: only the low 16 bits count
    Fixture fixture(2);
    fixture.list.LoadColumnWidths();
    EXPECT_EQ(90, fixture.list.GetColumnWidth(0));
    EXPECT_EQ(75, fixture.list.GetColumnWidth(1));
}

TEST(UIListCtrlTest, WidthsAreSavedWhenTheWindowIsDestroyedAndOnlyWithAKeyPath)
{
    ScratchKey key;
    {
        Fixture unnamed(2);
        unnamed.list.m_strColumnKeyPath.Empty();
        unnamed.list.DestroyWindow();
        EXPECT_EQ(-1, key.Read("Number of columns"));
    }
    Fixture fixture(2);
    fixture.list.SetColumnWidth(0, 120);
    fixture.list.SetColumnWidth(1, 180);
    fixture.list.DestroyWindow();
    EXPECT_EQ(2, key.Read("Number of columns"));
    EXPECT_EQ(120, key.Read("Column 0 width"));
    EXPECT_EQ(180, key.Read("Column 1 width"));
}
