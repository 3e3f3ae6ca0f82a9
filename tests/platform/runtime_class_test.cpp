// Run-time classes decide how a button draws. Faults: IsKindOf stops at the
// object's own class, or takes a sibling class for a base.
#include "platform/cbutton.h"
#include "platform/cdialog.h"
#include "platform/clist_box.h"

#include <gtest/gtest.h>

TEST(RuntimeClassTest, IsKindOfFollowsTheBaseChainOnly)
{
    const CListBox list;
    const CObject& object = list;
    for (const CRuntimeClass* base : {RUNTIME_CLASS(CListBox), RUNTIME_CLASS(CWnd), RUNTIME_CLASS(CObject)})
        EXPECT_TRUE(object.IsKindOf(base)) << base->m_lpszClassName;
    for (const CRuntimeClass* other : {RUNTIME_CLASS(CButton), RUNTIME_CLASS(CDialog), static_cast<const CRuntimeClass*>(nullptr)})
        EXPECT_FALSE(object.IsKindOf(other));
}
