#include "editor/property_collection.h"
#include "tests/editor/support/model_building.h"

#include <gtest/gtest.h>

namespace {

CPropertyAttributes* AddAttribute(CQuorvelinProperty* property, int id, int value)
{
    auto* attribute = new CPropertyAttributes;
    attribute->m_nId = id;
    attribute->m_nValue = value;
    property->AddAttribute(attribute);
    return attribute;
}

// Attributes share an Id across properties: a lookup takes the first in
// property order, a choice reaches every one (faults: the later property's
// value shown; only the first attribute changed, the others write their old
// value).
TEST(PropertyModel, LookupTakesTheFirstSharerAndAChoiceReachesEveryOne)
{
    CPropertyCollection collection;
    EXPECT_EQ(-1, collection.FindValueById(0));
    CQuorvelinProperty* first = AddProperty(&collection);
    CQuorvelinProperty* second = AddProperty(&collection);
    CPropertyAttributes* b = AddAttribute(second, 5, 50);
    CPropertyAttributes* other = AddAttribute(first, 6, 60);
    CPropertyAttributes* a = AddAttribute(first, 5, 51);  // later in its property, but its property comes first
    EXPECT_EQ(51, collection.FindValueById(5));
    EXPECT_EQ(60, collection.FindValueById(6));
    EXPECT_EQ(-1, collection.FindValueById(7));

    collection.SetValueById(5, 3);
    EXPECT_EQ(3, a->m_nValue);
    EXPECT_EQ(3, b->m_nValue);
    EXPECT_EQ(60, other->m_nValue);
}

}  // namespace
