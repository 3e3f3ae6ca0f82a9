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

TEST(PropertyModel, AccessOutsideTheArraysIsAnInvalidArgument)
{
    CPropertyCollection collection;
    CQuorvelinProperty* property = AddProperty(&collection);
    AddAttribute(property, 1, 0);
    EXPECT_THROW(collection.GetProperty(1), CInvalidArgException);
    EXPECT_THROW(collection.GetProperty(-1), CInvalidArgException);
    EXPECT_THROW(property->GetAttribute(1), CInvalidArgException);
}

}  // namespace
