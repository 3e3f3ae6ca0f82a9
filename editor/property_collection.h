#pragma once

#include "editor/quorvelin_property.h"
#include "platform/carray.h"
#include "platform/cobarray.h"
#include "platform/cstring.h"
#include "platform/cstring_array.h"

#include <memory_resource>
#include <unordered_map>
#include <unordered_set>

class CDefinitionLoadListener;
class CPropertyCollection;

// One attribute and the property it belongs to.
struct CAttributeOfProperty {
    CQuorvelinProperty* property;
    CPropertyAttributes* attribute;
};

// Every attribute of a collection, in property and then attribute order:
//   for (const auto [property, attribute] : collection.Attributes()) ...
class CAttributeRange {
public:
    class Iterator {
    public:
        Iterator(const CPropertyCollection& collection, int property) : m_collection(collection), m_property(property)
        {
            SkipEmptyProperties();
        }
        CAttributeOfProperty operator*() const;
        Iterator& operator++()
        {
            ++m_attribute;
            SkipEmptyProperties();
            return *this;
        }
        bool operator!=(const Iterator& other) const
        {
            return m_property != other.m_property || m_attribute != other.m_attribute;
        }

    private:
        void SkipEmptyProperties();

        const CPropertyCollection& m_collection;
        int m_property;
        int m_attribute = 0;
    };

    explicit CAttributeRange(const CPropertyCollection& collection) : m_collection(collection) {}
    Iterator begin() const { return Iterator(m_collection, 0); }
    Iterator end() const;

private:
    const CPropertyCollection& m_collection;
};

// The loaded definition file and the current values: the properties, each
// with its attributes. It owns every property and attribute it holds.
class CPropertyCollection {
public:
    CPropertyCollection() = default;
    CPropertyCollection(const CPropertyCollection&) = delete;
    CPropertyCollection& operator=(const CPropertyCollection&) = delete;
    ~CPropertyCollection();

    // Reads kestadvconfig.xml beside the executable (definition_file.cpp).
    bool LoadDefinitionFile();
    // The same reading on any file; the listener, when given, is told what the
    // loader does with each node (KestAdvCheck explains a file with it).
    bool LoadDefinitionFile(const CString& path, CDefinitionLoadListener* listener = nullptr);

    // Value of the first attribute with this Id, in property and then
    // attribute order; -1 when there is none.
    int FindValueById(int id) const;
    // FindValueById for several Ids in one pass over the attributes: each key
    // of `values` gets the value FindValueById gives it.
    void FindValuesById(std::unordered_map<int, int>& values) const;
    // Attributes that share an Id share one value: gives it to every
    // attribute with this Id, in every property.
    void SetValueById(int id, int value);

    // The registry value store on every attribute (registry_store.cpp):
    // ReadValue for each; WriteValue for each, true when all succeeded.
    void ReadAllValues(const CString& root);
    bool WriteAllValues(const CString& root);

    // Appends a property it then owns; its m_nIndex becomes its position.
    int AddProperty(CQuorvelinProperty* property)
    {
        property->m_nIndex = m_properties.Add(property);
        return static_cast<int>(property->m_nIndex);
    }

    int GetPropertyCount() const { return m_properties.GetSize(); }
    // Out of range is the array's invalid-argument error.
    CQuorvelinProperty* GetProperty(int index) const { return m_properties.GetAt(index); }
    // The property at a position kept outside the model (a tree item's
    // data); null when there is none.
    CQuorvelinProperty* FindProperty(INT_PTR index) const
    {
        return index >= 0 && index < m_properties.GetSize() ? m_properties.GetAt(static_cast<int>(index)) : nullptr;
    }
    CAttributeRange Attributes() const { return CAttributeRange(*this); }

    // Appends the Id to m_ids and returns true; false when m_ids holds it
    // already (a duplicate, which the loader reports).
    bool AcceptId(int id)
    {
        if (!m_acceptedIds.insert(id).second)
            return false;
        m_ids.Add(id);
        return true;
    }

    CString m_strName;
    CTypedPtrArray<CObArray, CQuorvelinProperty*> m_properties;
    CStringArray m_versions;
    CArray<int, int> m_ids;  // Ids accepted so far, to find duplicates while loading

private:
    // m_ids again, found in constant time; its nodes come from a pool of
    // their own, not one allocation per Id.
    std::pmr::monotonic_buffer_resource m_idPool;
    std::pmr::unordered_set<int> m_acceptedIds{&m_idPool};
};

inline CAttributeOfProperty CAttributeRange::Iterator::operator*() const
{
    CQuorvelinProperty* property = m_collection.GetProperty(m_property);
    return {property, property->GetAttribute(m_attribute)};
}

inline void CAttributeRange::Iterator::SkipEmptyProperties()
{
    while (m_property < m_collection.GetPropertyCount() &&
           m_attribute >= m_collection.GetProperty(m_property)->GetAttributeCount()) {
        ++m_property;
        m_attribute = 0;
    }
}

inline CAttributeRange::Iterator CAttributeRange::end() const
{
    return Iterator(m_collection, m_collection.GetPropertyCount());
}
