// Containers: checked indexes and typed pointer access.
#include "platform/cobarray.h"
#include "platform/cstring_array.h"

#include <gtest/gtest.h>

namespace {
class Item : public CObject {
public:
    explicit Item(int value) : m_value(value) {}
    int m_value;
};
}  // namespace

TEST(ArrayTest, EveryAccessOutsideTheElementsIsAnError)
{
    CArray<int, int> numbers;
    EXPECT_THROW(numbers.GetAt(0), CInvalidArgException);
    numbers.Add(1);
    numbers.Add(2);
    EXPECT_EQ(2, numbers[1]);
    EXPECT_THROW(numbers.GetAt(2), CInvalidArgException);
    EXPECT_THROW(numbers.GetAt(-1), CInvalidArgException);
    EXPECT_THROW(numbers.SetAt(2, 5), CInvalidArgException);
    EXPECT_THROW(numbers.RemoveAt(1, 2), CInvalidArgException);
    EXPECT_THROW(numbers.InsertAt(3, 0), CInvalidArgException);
    EXPECT_THROW(numbers.SetSize(-1), CInvalidArgException);
    EXPECT_EQ(2, numbers.GetSize());  // failed calls changed nothing
}

TEST(ArrayTest, InsertAtTheEndAppendsAndAddReturnsTheIndex)
{
    CStringArray texts;
    EXPECT_EQ(0, texts.Add("b"));
    texts.InsertAt(0, "a");
    texts.InsertAt(2, "c");
    ASSERT_EQ(3, texts.GetSize());
    EXPECT_STREQ("a", texts[0]);
    EXPECT_STREQ("c", texts[2]);
    texts.RemoveAt(0, 2);
    EXPECT_STREQ("c", texts[0]);
    EXPECT_EQ(0, texts.GetUpperBound());
    CStringArray copy;
    copy.Copy(texts);
    texts.RemoveAll();
    EXPECT_TRUE(texts.IsEmpty());
    EXPECT_EQ(1, copy.GetCount());
}

TEST(ArrayTest, TypedPointerArrayGivesElementsBackAsTheirType)
{
    CTypedPtrArray<CObArray, Item*> items;
    items.Add(new Item(7));
    items.InsertAt(0, new Item(3));
    EXPECT_EQ(3, items[0]->m_value);
    EXPECT_EQ(7, items.GetAt(1)->m_value);
    EXPECT_THROW(items.GetAt(2), CInvalidArgException);
    // The array does not own its elements: the owner deletes them.
    for (int i = 0; i < items.GetSize(); ++i)
        delete items[i];
    items.RemoveAll();
}
