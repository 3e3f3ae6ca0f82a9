#pragma once

#include "platform/cinvalid_arg_exception.h"
#include "platform/cobject.h"

#include <vector>

// Growable array with checked indexes: an index out of range raises
// CInvalidArgException instead of reading or writing outside the elements.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }

    void SetSize(int newSize)
    {
        if (newSize < 0)
            throw CInvalidArgException("CArray size is negative");
        m_items.resize(static_cast<size_t>(newSize));
    }

    const TYPE& GetAt(int index) const { return m_items[Checked(index)]; }
    TYPE& ElementAt(int index) { return m_items[Checked(index)]; }
    void SetAt(int index, ARG_TYPE element) { m_items[Checked(index)] = element; }
    const TYPE& operator[](int index) const { return GetAt(index); }
    TYPE& operator[](int index) { return ElementAt(index); }

    // Returns the index of the new element.
    int Add(ARG_TYPE element)
    {
        m_items.push_back(element);
        return GetUpperBound();
    }

    // An index equal to the size appends.
    void InsertAt(int index, ARG_TYPE element)
    {
        if (index < 0 || index > GetSize())
            throw CInvalidArgException("CArray insert position out of range");
        m_items.insert(m_items.begin() + index, element);
    }

    void RemoveAt(int index, int count = 1)
    {
        if (index < 0 || count < 0 || index + count > GetSize())
            throw CInvalidArgException("CArray remove range out of range");
        m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
    }

    void RemoveAll() { m_items.clear(); }

    void Copy(const CArray& other) { m_items = other.m_items; }

    const TYPE* GetData() const { return m_items.data(); }
    TYPE* GetData() { return m_items.data(); }

private:
    size_t Checked(int index) const
    {
        if (index < 0 || index >= GetSize())
            throw CInvalidArgException("CArray index out of range");
        return static_cast<size_t>(index);
    }

    std::vector<TYPE> m_items;
};
