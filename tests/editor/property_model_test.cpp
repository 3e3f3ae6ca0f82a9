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

TEST(PropertyModel, NewAttributeIsAnEmptyComboBox)
{
    const CPropertyAttributes attribute;
    EXPECT_EQ(-1, attribute.m_nIndex);
    EXPECT_EQ(6, attribute.m_control.m_nType);
    EXPECT_EQ(0, attribute.m_nId);
    EXPECT_EQ(0, attribute.m_nDefault);
    EXPECT_EQ(0, attribute.m_nValue);
    EXPECT_EQ(0, attribute.m_control.m_values.GetSize());
}

TEST(PropertyModel, FindValueByIdTakesTheFirstOccurrenceInPropertyOrder)
{
    CPropertyCollection collection;
    EXPECT_EQ(-1, collection.FindValueById(0));
    CQuorvelinProperty* first = AddProperty(&collection);
    CQuorvelinProperty* second = AddProperty(&collection);
    AddAttribute(second, 5, 50);
    AddAttribute(first, 6, 60);
    AddAttribute(first, 5, 51);  // later in its property, but its property comes first
    EXPECT_EQ(51, collection.FindValueById(5));
    EXPECT_EQ(60, collection.FindValueById(6));
    EXPECT_EQ(-1, collection.FindValueById(7));
}

TEST(PropertyModel, SetValueByIdGivesTheValueToEveryAttributeWithTheId)
{
    CPropertyCollection collection;
    CQuorvelinProperty* first = AddProperty(&collection);
    CQuorvelinProperty* second = AddProperty(&collection);
    CPropertyAttributes* a = AddAttribute(first, 5, 1);
    CPropertyAttributes* other = AddAttribute(first, 6, 1);
    CPropertyAttributes* b = AddAttribute(second, 5, 2);
    collection.SetValueById(5, 3);
    EXPECT_EQ(3, a->m_nValue);
    EXPECT_EQ(3, b->m_nValue);
    EXPECT_EQ(1, other->m_nValue);
}

TEST(PropertyModel, AccessOutsideTheArraysIsAnInvalidArgumentLookupIsNull)
{
    CPropertyCollection collection;
    CQuorvelinProperty* property = AddProperty(&collection);
    AddAttribute(property, 1, 0);
    EXPECT_THROW(collection.GetProperty(1), CInvalidArgException);
    EXPECT_THROW(collection.GetProperty(-1), CInvalidArgException);
    EXPECT_THROW(property->GetAttribute(1), CInvalidArgException);

    // Positions kept outside the model (tree and row data) are looked up without a throw.
    EXPECT_EQ(property, collection.FindProperty(0));
    EXPECT_EQ(nullptr, collection.FindProperty(1));
    EXPECT_EQ(nullptr, collection.FindProperty(-1));
    EXPECT_EQ(property->GetAttribute(0), property->FindAttribute(0));
    EXPECT_EQ(nullptr, property->FindAttribute(1));
    EXPECT_EQ(nullptr, property->FindAttribute(-1));
}

}  // namespace
