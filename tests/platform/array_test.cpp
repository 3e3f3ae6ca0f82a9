// Containers and texts: an index outside the elements is an error, never a
// read or write past the end, and a failed call changes nothing.
#include "platform/cobarray.h"
#include "platform/cstring.h"

#include <gtest/gtest.h>

#include <functional>

TEST(ArrayTest, EveryAccessOutsideTheElementsIsAnError)
{
    CArray<int, int> numbers;
    numbers.Add(1);
    numbers.Add(2);
    const CString text("ab");
    const std::function<void()> outside[] = {
        [&] { numbers.GetAt(2); },        [&] { numbers.GetAt(-1); },      [&] { numbers.SetAt(2, 5); },
        [&] { numbers.RemoveAt(1, 2); },  [&] { numbers.InsertAt(3, 0); }, [&] { numbers.SetSize(-1); },
        [&] { CArray<int, int>().GetAt(0); }, [&] { text.GetAt(2); },
    };
    for (size_t row = 0; row < std::size(outside); ++row)
        EXPECT_THROW(outside[row](), CInvalidArgException) << "row " << row;
    EXPECT_EQ(2, numbers.GetSize());
    EXPECT_EQ(2, numbers.GetAt(1));
}
