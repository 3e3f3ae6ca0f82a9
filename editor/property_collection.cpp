#include "editor/property_collection.h"

#include <unordered_set>

CPropertyCollection::~CPropertyCollection()
{
    // Odd nesting in a definition file can put one attribute into two
    // properties, or one property twice into the collection: each object is
    // deleted once, attributes of a property before the property.
    std::unordered_set<CObject*> deleted;
    for (int p = 0; p < m_properties.GetSize(); ++p) {
        CQuorvelinProperty* property = m_properties.GetAt(p);
        if (!deleted.insert(property).second)
            continue;
        for (int a = 0; a < property->m_attributes.GetSize(); ++a) {
            CPropertyAttributes* attribute = property->m_attributes.GetAt(a);
            if (deleted.insert(attribute).second)
                delete attribute;
        }
        delete property;
    }
    m_properties.RemoveAll();
}

int CPropertyCollection::FindValueById(int id) const
{
    for (int p = 0; p < m_properties.GetSize(); ++p) {
        const CQuorvelinProperty* property = m_properties.GetAt(p);
        for (int a = 0; a < property->m_attributes.GetSize(); ++a) {
            const CPropertyAttributes* attribute = property->m_attributes.GetAt(a);
            if (attribute->m_nId == id)
                return attribute->m_nValue;
        }
    }
    return -1;
}
