#pragma once

#include "platform/carray.h"

// Array of object pointers. It never deletes what it points to: the owner of
// the array deletes the elements explicitly.
class CObArray : public CArray<CObject*, CObject*> {};

// Type-safe view of a pointer array: elements go in and come out as TYPE.
template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
public:
    TYPE GetAt(int index) const { return static_cast<TYPE>(BASE_CLASS::GetAt(index)); }
    TYPE operator[](int index) const { return GetAt(index); }
    void SetAt(int index, TYPE element) { BASE_CLASS::SetAt(index, element); }
    int Add(TYPE element) { return BASE_CLASS::Add(element); }
    void InsertAt(int index, TYPE element) { BASE_CLASS::InsertAt(index, element); }
};
