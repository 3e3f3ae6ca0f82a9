// The value store on the real registry of the test prefix, read back with
// RegQueryValueEx.
#include "editor/property_collection.h"
#include "editor/registry_store.h"
#include "tests/editor/support/model_building.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <optional>
#include <string>

namespace {

const char kTestsRoot[] = "Software\\KacTests\\Store";

class RegistryStore : public testing::Test {
protected:
    void SetUp() override
    {
        m_root = CString(kTestsRoot) + "\\" + testing::UnitTest::GetInstance()->current_test_info()->name();
        SHDeleteKeyA(HKEY_CURRENT_USER, m_root);
    }
    void TearDown() override { SHDeleteKeyA(HKEY_CURRENT_USER, kTestsRoot); }

    CString Path(const char* subKey) const { return *subKey ? m_root + "\\" + subKey : m_root; }

    // The DWORD stored under root[\subKey], value name; none if absent.
    std::optional<DWORD> Stored(const char* subKey, const char* valueName) const
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Path(subKey), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return std::nullopt;
        DWORD type = 0;
        DWORD data = 0;
        DWORD size = sizeof data;
        const LONG status = RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
        RegCloseKey(key);
        if (status != ERROR_SUCCESS || type != REG_DWORD || size != 4)
            return std::nullopt;
        return data;
    }

    bool KeyExists(const char* subKey) const
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Path(subKey), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    void Put(const char* subKey, const char* valueName, DWORD type, const void* data, DWORD size) const
    {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, Path(subKey), 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &key, nullptr));
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, valueName, 0, type, static_cast<const BYTE*>(data), size));
        RegCloseKey(key);
    }

    void PutDword(const char* subKey, const char* valueName, DWORD value) const
    {
        Put(subKey, valueName, REG_DWORD, &value, sizeof value);
    }

    CString m_root;
};

CPropertyAttributes* Attribute(CQuorvelinProperty* property, const char* key, const char* item, const char* reset,
                               int value)
{
    auto* attribute = new CPropertyAttributes;
    attribute->m_strRegKey = key;
    attribute->m_strRegItem = item;
    attribute->m_strReset = reset;
    attribute->m_nValue = value;
    property->AddAttribute(attribute);
    return attribute;
}

// Each combination of key, value name and reset: where Apply writes, and
// whether the value is read back when the dialog opens.
TEST_F(RegistryStore, FieldCombinationsDecideWhereTheValueLives)
{
    struct Case {
        const char* key;
        const char* item;
        const char* reset;
        bool written;
        const char* storedKey;   // where the DWORD ends up
        const char* storedItem;
        bool readBack;
    };
    const Case cases[] = {
        {"", "", "", true, nullptr, nullptr, false},
        {"", "", "Delete", true, nullptr, nullptr, false},
        {"A\\B", "Both", "", true, "A\\B", "Both", true},
        {"", "DirectlyUnderRoot", "", true, "", "DirectlyUnderRoot", false},
        {"OnlyKey", "", "", true, "OnlyKey", "", false},
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(std::string(item.key) + "|" + item.item + "|" + item.reset);
        SHDeleteKeyA(HKEY_CURRENT_USER, m_root);
        CQuorvelinProperty property;
        CPropertyAttributes* attribute = Attribute(&property, item.key, item.item, item.reset, 0x12345678);
        EXPECT_EQ(item.written, WriteValue(m_root, attribute));
        if (item.storedKey != nullptr)
            EXPECT_EQ(std::optional<DWORD>(0x12345678), Stored(item.storedKey, item.storedItem));
        else
            EXPECT_FALSE(KeyExists(""));  // nothing was even created
        attribute->m_nValue = 7;
        EXPECT_EQ(item.readBack, ReadValue(m_root, attribute));
        EXPECT_EQ(item.readBack ? 0x12345678 : 7, attribute->m_nValue);
        delete attribute;
    }
}

TEST_F(RegistryStore, ResetAttributeIsNeverRead)
{
    PutDword("K", "V", 42);
    CQuorvelinProperty property;
    CPropertyAttributes* attribute = Attribute(&property, "K", "V", "Delete", 3);
    EXPECT_FALSE(ReadValue(m_root, attribute));
    EXPECT_EQ(3, attribute->m_nValue);
    delete attribute;
}

TEST_F(RegistryStore, ReadTakesRawBytesOfShortDataOnly)
{
    const char shortText[] = "ab";     // 3 bytes with its terminator
    const char longText[] = "abcdef";  // 7 bytes: does not fit
    const BYTE twoBytes[] = {0x34, 0x12};
    Put("K", "Short", REG_SZ, shortText, sizeof shortText);
    Put("K", "Long", REG_SZ, longText, sizeof longText);
    Put("K", "Binary", REG_BINARY, twoBytes, sizeof twoBytes);
    PutDword("K", "Negative", 0xFFFFFFFE);
    CQuorvelinProperty property;
    CPropertyAttributes* shortValue = Attribute(&property, "K", "Short", "", 9);
    CPropertyAttributes* longValue = Attribute(&property, "K", "Long", "", 9);
    CPropertyAttributes* binary = Attribute(&property, "K", "Binary", "", 9);
    CPropertyAttributes* negative = Attribute(&property, "K", "Negative", "", 9);
    CPropertyAttributes* missing = Attribute(&property, "K", "Missing", "", 9);
    CPropertyAttributes* missingKey = Attribute(&property, "NoKey", "V", "", 9);
    EXPECT_TRUE(ReadValue(m_root, shortValue));
    EXPECT_EQ(0x00006261, shortValue->m_nValue);
    EXPECT_FALSE(ReadValue(m_root, longValue));
    EXPECT_EQ(9, longValue->m_nValue);
    EXPECT_TRUE(ReadValue(m_root, binary));
    EXPECT_EQ(0x1234, binary->m_nValue);
    EXPECT_TRUE(ReadValue(m_root, negative));
    EXPECT_EQ(-2, negative->m_nValue);
    EXPECT_FALSE(ReadValue(m_root, missing));
    EXPECT_EQ(9, missing->m_nValue);
    EXPECT_FALSE(ReadValue(m_root, missingKey));
    EXPECT_EQ(9, missingKey->m_nValue);
    for (int a = 0; a < property.GetAttributeCount(); ++a)
        delete property.GetAttribute(a);
}

TEST_F(RegistryStore, DeleteRemovesTheSubKeyTreeOnceAndToleratesItsAbsence)
{
    PutDword("Parent\\Doomed\\Deeper", "X", 1);
    PutDword("Parent", "Kept", 5);
    CQuorvelinProperty property;
    CPropertyAttributes* reset = Attribute(&property, "Parent", "Doomed", "Delete", 1);
    EXPECT_TRUE(WriteValue(m_root, reset));
    EXPECT_FALSE(KeyExists("Parent\\Doomed"));
    EXPECT_EQ(std::optional<DWORD>(5), Stored("Parent", "Kept"));
    EXPECT_EQ(0, reset->m_nValue);

    // Asked again for a sub-key that is gone: still a success.
    reset->m_nValue = 1;
    EXPECT_TRUE(WriteValue(m_root, reset));
    EXPECT_EQ(0, reset->m_nValue);

    // Without the parent key nothing can be opened: failure, and the request stays.
    CPropertyAttributes* orphan = Attribute(&property, "NoParent", "Doomed", "Delete", 1);
    EXPECT_FALSE(WriteValue(m_root, orphan));
    EXPECT_EQ(1, orphan->m_nValue);
    EXPECT_FALSE(KeyExists("NoParent"));
    delete reset;
    delete orphan;
}

TEST_F(RegistryStore, NumericResetWritesItsNumberWhenAskedAndRunsOnce)
{
    CPropertyCollection collection;
    CQuorvelinProperty* property = AddProperty(&collection);
    CPropertyAttributes* idle = Attribute(property, "K", "Idle", "5", 0);
    CPropertyAttributes* reset = Attribute(property, "K", "Layout", " -12junk", 1);
    EXPECT_TRUE(collection.WriteAllValues(m_root));
    EXPECT_EQ(std::nullopt, Stored("K", "Idle"));
    EXPECT_EQ(std::optional<DWORD>(static_cast<DWORD>(-12)), Stored("K", "Layout"));
    EXPECT_EQ(0, reset->m_nValue);
    EXPECT_EQ(0, idle->m_nValue);

    // The second Apply does not repeat the action.
    PutDword("K", "Layout", 99);
    EXPECT_TRUE(collection.WriteAllValues(m_root));
    EXPECT_EQ(std::optional<DWORD>(99), Stored("K", "Layout"));
}

TEST_F(RegistryStore, LaterAttributeOnTheSameValueWins)
{
    CPropertyCollection collection;
    Attribute(AddProperty(&collection), "Shared", "V", "", 1);
    Attribute(AddProperty(&collection), "Shared", "V", "", 2);
    EXPECT_TRUE(collection.WriteAllValues(m_root));
    EXPECT_EQ(std::optional<DWORD>(2), Stored("Shared", "V"));
}

// A volatile key cannot have a non-volatile child: the registry itself
// refuses to create the attribute's key.
TEST_F(RegistryStore, WriteFailureIsReportedAfterEveryOtherAttributeIsWritten)
{
    PutDword("", "Marker", 0);  // the root itself stays non-volatile
    HKEY volatileKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, Path("Volatile"), 0, nullptr, REG_OPTION_VOLATILE,
                                             KEY_ALL_ACCESS, nullptr, &volatileKey, nullptr));
    RegCloseKey(volatileKey);

    CPropertyCollection collection;
    CQuorvelinProperty* first = AddProperty(&collection);
    Attribute(first, "Before", "V", "", 1);
    Attribute(first, "Volatile\\Child", "V", "", 2);
    Attribute(first, "Volatile\\Child", "N", "7", 1);  // a numeric reset fails the same way
    CPropertyAttributes* last = Attribute(AddProperty(&collection), "After", "V", "", 3);

    EXPECT_FALSE(collection.WriteAllValues(m_root));
    EXPECT_EQ(std::optional<DWORD>(1), Stored("Before", "V"));
    EXPECT_FALSE(KeyExists("Volatile\\Child"));
    EXPECT_EQ(std::optional<DWORD>(3), Stored("After", "V"));
    EXPECT_EQ(0, first->GetAttribute(2)->m_nValue);  // a failed numeric reset is not retried
    EXPECT_EQ(3, last->m_nValue);
}

TEST_F(RegistryStore, ReadAllValuesFillsOnlyWhatCanBeRead)
{
    PutDword("K", "A", 10);
    PutDword("K", "", 11);
    PutDword("", "B", 12);
    CPropertyCollection collection;
    CQuorvelinProperty* property = AddProperty(&collection);
    CPropertyAttributes* both = Attribute(property, "K", "A", "", -1);
    CPropertyAttributes* onlyKey = Attribute(property, "K", "", "", -1);
    CPropertyAttributes* onlyItem = Attribute(property, "", "B", "", -1);
    CPropertyAttributes* later = Attribute(AddProperty(&collection), "K", "A", "", -1);
    collection.ReadAllValues(m_root);
    EXPECT_EQ(10, both->m_nValue);
    EXPECT_EQ(-1, onlyKey->m_nValue);
    EXPECT_EQ(-1, onlyItem->m_nValue);
    EXPECT_EQ(10, later->m_nValue);
}

}  // namespace
