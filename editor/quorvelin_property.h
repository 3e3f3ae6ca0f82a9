#pragma once

#include "editor/property_attributes.h"
#include "platform/cobarray.h"
#include "platform/cobject.h"
#include "platform/cstring.h"

#include <windows.h>

// One property of the definition file: a category of the tree and the
// attributes shown in the grid when it is selected.
class CQuorvelinProperty : public CObject {
    DECLARE_DYNAMIC(CQuorvelinProperty)
public:
    CQuorvelinProperty() = default;
    CQuorvelinProperty(const CQuorvelinProperty&) = delete;
    CQuorvelinProperty& operator=(const CQuorvelinProperty&) = delete;
    // Releases the array only: the collection deletes the attributes.
    ~CQuorvelinProperty() override = default;

    // Appends an attribute; its m_nIndex becomes its position.
    int AddAttribute(CPropertyAttributes* attribute)
    {
        attribute->m_nIndex = m_attributes.Add(attribute);
        return static_cast<int>(attribute->m_nIndex);
    }

    int GetAttributeCount() const { return m_attributes.GetSize(); }
    // Out of range is the array's invalid-argument error.
    CPropertyAttributes* GetAttribute(int index) const { return m_attributes.GetAt(index); }
    // The attribute at a position kept outside the model (a grid row's
    // data); null when there is none.
    CPropertyAttributes* FindAttribute(INT_PTR index) const
    {
        return index >= 0 && index < m_attributes.GetSize() ? m_attributes.GetAt(static_cast<int>(index)) : nullptr;
    }

    CString m_strName;
    INT_PTR m_nIndex = 0;
    bool m_bKxISW = false;
    CTypedPtrArray<CObArray, CPropertyAttributes*> m_attributes;
};
