// Containers: an index outside the elements is an error, never a read or
// write past the end, and a failed call changes nothing.
#include "platform/cobarray.h"

#include <gtest/gtest.h>

TEST(ArrayTest, EveryAccessOutsideTheElementsIsAnError)
{
    CArray<int, int> numbers;
    EXPECT_THROW(numbers.GetAt(0), CInvalidArgException);
    numbers.Add(1);
    EXPECT_EQ(1, numbers.Add(2));
    EXPECT_THROW(numbers.GetAt(2), CInvalidArgException);
    EXPECT_THROW(numbers.GetAt(-1), CInvalidArgException);
    EXPECT_THROW(numbers.SetAt(2, 5), CInvalidArgException);
    EXPECT_THROW(numbers.RemoveAt(1, 2), CInvalidArgException);
    EXPECT_THROW(numbers.InsertAt(3, 0), CInvalidArgException);
    EXPECT_THROW(numbers.SetSize(-1), CInvalidArgException);
    EXPECT_EQ(2, numbers.GetSize());
}
