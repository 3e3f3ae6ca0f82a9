#include "tools/shown_row.h"

#include "editor/quorvelin_property.h"

ShownRow ShownRowOf(const CQuorvelinProperty& property, int attributeIndex)
{
    if (property.GetAttribute(0)->m_nId == kComponentsId)
        return ShownRow::ComponentsPage;
    if (property.GetAttribute(attributeIndex)->m_nId == kHiddenId)
        return ShownRow::HiddenId;
    // The grid's row counter still advances past an empty label, so every
    // later row is asked for beyond the end and is refused too.
    for (int i = 0; i <= attributeIndex; ++i) {
        const CPropertyAttributes* attribute = property.GetAttribute(i);
        if (attribute->m_nId != kHiddenId && attribute->m_strName.IsEmpty())
            return ShownRow::AfterEmptyLabel;
    }
    return ShownRow::Yes;
}
