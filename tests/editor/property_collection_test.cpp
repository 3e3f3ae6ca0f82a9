// The property model and its value store on the real registry of the test prefix.
// A write is judged by the keys and values it added to or removed from a test key.
#include "editor/property_collection.h"
#include "tests/support/registry_listing.h"
#include "tests/support/registry_values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

const char kTestsRoot[] = "Software\\KacTests\\Store";

CQuorvelinProperty* AddProperty(CPropertyCollection* collection)
{
    auto* property = new CQuorvelinProperty;
    collection->AddProperty(property);
    return property;
}

CPropertyAttributes* Attribute(CQuorvelinProperty* property, const char* key, const char* item, const char* reset,
                               int value, int id = 0)
{
    auto* attribute = new CPropertyAttributes;
    attribute->m_strRegKey = key;
    attribute->m_strRegItem = item;
    attribute->m_strReset = reset;
    attribute->m_nValue = value;
    attribute->m_nId = id;
    property->AddAttribute(attribute);
    return attribute;
}

// Attributes share an Id across properties: a lookup takes the first in
// property order, a choice reaches every one (faults: the later property's
// value shown; only the first attribute changed).
TEST(PropertyModel, LookupTakesTheFirstSharerAndAChoiceReachesEveryOne)
{
    CPropertyCollection collection;
    CQuorvelinProperty* first = AddProperty(&collection);
    CPropertyAttributes* b = Attribute(AddProperty(&collection), "", "", "", 50, 5);
    CPropertyAttributes* other = Attribute(first, "", "", "", 60, 6);
    CPropertyAttributes* a = Attribute(first, "", "", "", 51, 5);  // later in its property, which comes first
    EXPECT_EQ((std::vector<int>{51, 60, -1}),
              (std::vector<int>{collection.FindValueById(5), collection.FindValueById(6), collection.FindValueById(7)}));
    collection.SetValueById(5, 3);
    EXPECT_EQ((std::vector<int>{3, 3, 60}), (std::vector<int>{a->m_nValue, b->m_nValue, other->m_nValue}));
}

class RegistryStore : public testing::Test {
protected:
    void SetUp() override { DeleteRegistryKey(kTestsRoot); }
    void TearDown() override { DeleteRegistryKey(kTestsRoot); }

    // "+added -removed" between the listing `before` and now.
    static std::string ChangesSince(const std::vector<std::string>& before)
    {
        const std::vector<std::string> after = RegistryListing(kTestsRoot);
        std::string text;
        for (const auto& [from, to, sign] : {std::tuple{&after, &before, "+"}, {&before, &after, "-"}})
            for (const std::string& entry : *from)
                if (!std::ranges::binary_search(*to, entry))
                    text += (text.empty() ? sign : std::string(" ") + sign) + entry;
        return text;
    }

    static void PutDword(const std::string& subKey, const char* valueName, DWORD value)
    {
        ASSERT_TRUE(WriteRegistryDword(subKey.empty() ? kTestsRoot : std::string(kTestsRoot) + "\\" + subKey, valueName, value));
    }
};

// Each combination of key, value name, reset action and value: what Apply
// does to the registry and to the value, and whether the value is read back
// when the dialog opens.
TEST_F(RegistryStore, WriteValueChangesExactlyWhatEachCombinationAsksFor)
{
    struct Case {
        const char *key, *item, *reset;
        int value;
        bool written;
        int valueAfter;
        const char* changes;
        bool readBack;
    };
    const Case cases[] = {
        {"", "", "", 7, true, 7, "", false},
        // Neither key nor item: a reset action does not run either.
        {"", "", "Delete", 1, true, 1, "", false},
        {"", "", "5", 1, true, 1, "", false},
        {"A\\B", "Both", "", 7, true, 7, "+A\\ +A\\B\\ +A\\B\\Both=7", true},
        {"", "Direct", "", 7, true, 7, "+Direct=7", false},
        {"OnlyKey", "", "", 7, true, 7, "+OnlyKey\\ +OnlyKey\\@=7", false},
        // Only the value 1 asks for a reset action.
        {"K", "Sub", "Delete", 0, true, 0, "", false},
        {"K", "Sub", "Delete", 2, true, 2, "", false},
        {"K", "Idle", "5", 0, true, 0, "", false},
        {"K", "Idle", "5", -1, true, -1, "", false},
        {"K", "Sub", "Delete", 1, true, 0, "-K\\Sub\\ -K\\Sub\\Deeper\\ -K\\Sub\\Deeper\\X=1", false},
        {"K", "Gone", "Delete", 1, true, 0, "", false},
        // The parent key cannot be opened: failure, and the request stays.
        {"NoParent", "Doomed", "Delete", 1, false, 1, "", false},
        // Without a RegItem every value and sub-key of the attribute's key goes.
        {"K", "", "Delete", 1, true, 0, "-K\\Kept=5 -K\\Sub\\ -K\\Sub\\Deeper\\ -K\\Sub\\Deeper\\X=1", false},
        // Any other text is a number, read as atoi does: "delete" is 0.
        {"K", "Sub", "delete", 1, true, 0, "+K\\Sub=0", false},
        {"K", "N", " -12junk", 1, true, 0, "+K\\N=-12", false},
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(std::string(item.key) + "|" + item.item + "|" + item.reset + "|" + std::to_string(item.value));
        DeleteRegistryKey(kTestsRoot);
        PutDword("", "Marker", 1);
        PutDword("K", "Kept", 5);
        PutDword("K\\Sub\\Deeper", "X", 1);
        const std::vector<std::string> before = RegistryListing(kTestsRoot);

        CPropertyCollection collection;
        CPropertyAttributes* attribute = Attribute(AddProperty(&collection), item.key, item.item, item.reset, item.value);
        EXPECT_EQ(item.written, attribute->WriteValue(kTestsRoot));
        EXPECT_EQ(item.valueAfter, attribute->m_nValue);
        EXPECT_EQ(item.changes, ChangesSince(before));

        attribute->m_nValue = 99;
        EXPECT_EQ(item.readBack, attribute->ReadValue(kTestsRoot));
        EXPECT_EQ(item.readBack ? item.value : 99, attribute->m_nValue);
    }
}

TEST_F(RegistryStore, ReadAllValuesTakesTheRawBytesOfDataThatFitsOnly)
{
    for (const auto& [name, text, type] : {std::tuple{"Short", "ab", REG_SZ},  // 3 bytes with the terminator
                                           {"Long", "abcdef", REG_SZ},       // 7 bytes: does not fit
                                           {"Binary", "\x34\x12", REG_BINARY}})  // 34 12 00
        ASSERT_TRUE(WriteRegistryText(std::string(kTestsRoot) + "\\K", name, text, type));
    PutDword("K", "Negative", 0xFFFFFFFE);
    PutDword("K", "", 11);
    PutDword("", "Direct", 12);
    CPropertyCollection collection;
    CQuorvelinProperty* property = AddProperty(&collection);
    Attribute(property, "K", "Short", "", 9);
    Attribute(property, "K", "Long", "", 9);
    Attribute(property, "K", "Binary", "", 9);
    Attribute(AddProperty(&collection), "K", "Negative", "", 9);
    Attribute(property, "K", "Missing", "", 9);
    CPropertyAttributes* appearing = Attribute(property, "NoKey", "V", "", 9);
    Attribute(property, "K", "", "", 9);       // needs a value name
    Attribute(property, "", "Direct", "", 9);  // needs a key
    collection.ReadAllValues(kTestsRoot);
    std::vector<int> values;
    for (const auto [owner, attribute] : collection.Attributes())
        values.push_back(attribute->m_nValue);
    EXPECT_EQ((std::vector<int>{0x6261, 9, 0x1234, 9, 9, 9, 9, -2}), values);
    // A key missing at one read is looked for again at the next.
    PutDword("NoKey", "V", 13);
    collection.ReadAllValues(kTestsRoot);
    EXPECT_EQ(13, appearing->m_nValue);
}

// Below a volatile key the registry refuses to create a lasting one.
TEST_F(RegistryStore, WriteAllValuesWritesInOrderAndReportsAFailureAfterTheRest)
{
    PutDword("", "Marker", 0);  // the root itself stays non-volatile
    ASSERT_TRUE(RegistryKey::Create(HKEY_CURRENT_USER, (std::string(kTestsRoot) + "\\Volatile").c_str(), KEY_ALL_ACCESS, REG_OPTION_VOLATILE));
    const std::vector<std::string> before = RegistryListing(kTestsRoot);

    CPropertyCollection collection;
    CQuorvelinProperty* first = AddProperty(&collection);
    Attribute(first, "Shared", "V", "", 1);
    Attribute(first, "Volatile\\Child", "V", "", 2);
    CPropertyAttributes* reset = Attribute(first, "Volatile\\Child", "N", "7", 1);  // fails the same way
    CQuorvelinProperty* second = AddProperty(&collection);
    Attribute(second, "Shared", "V", "", 3);  // the later one wins
    // A key deleted between two writes into it is created again.
    Attribute(second, "Gone", "A", "", 4);
    Attribute(second, "", "Gone", "Delete", 1);
    Attribute(second, "Gone", "B", "", 5);

    EXPECT_FALSE(collection.WriteAllValues(kTestsRoot));
    EXPECT_EQ("+Gone\\ +Gone\\B=5 +Shared\\ +Shared\\V=3", ChangesSince(before));
    EXPECT_EQ(0, reset->m_nValue);  // a failed numeric reset is not retried
}

}  // namespace
