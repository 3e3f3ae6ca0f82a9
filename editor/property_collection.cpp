#include "editor/property_collection.h"

#include <unordered_set>

CPropertyCollection::~CPropertyCollection()
{
    // Odd nesting in a definition file can put one attribute into two
    // properties, or one property twice into the collection: each object is
    // deleted once, every attribute before the properties that held it.
    std::unordered_set<CObject*> deleted;
    for (const auto [property, attribute] : Attributes()) {
        if (deleted.insert(attribute).second)
            delete attribute;
    }
    for (int p = 0; p < m_properties.GetSize(); ++p) {
        CQuorvelinProperty* property = m_properties.GetAt(p);
        if (deleted.insert(property).second)
            delete property;
    }
    m_properties.RemoveAll();
}

int CPropertyCollection::FindValueById(int id) const
{
    for (const auto [property, attribute] : Attributes()) {
        if (attribute->m_nId == id)
            return attribute->m_nValue;
    }
    return -1;
}

void CPropertyCollection::FindValuesById(std::unordered_map<int, int>& values) const
{
    for (auto& [id, value] : values)
        value = -1;
    std::unordered_set<int> found;
    for (const auto [property, attribute] : Attributes()) {
        const auto wanted = values.find(attribute->m_nId);
        if (wanted == values.end() || !found.insert(wanted->first).second)
            continue;  // the first attribute with an Id gives its value
        wanted->second = attribute->m_nValue;
        if (found.size() == values.size())
            return;
    }
}

void CPropertyCollection::SetValueById(int id, int value)
{
    for (const auto [property, attribute] : Attributes()) {
        if (attribute->m_nId == id)
            attribute->m_nValue = value;
    }
}
