// Run-time class information across the layer's class tree.
#include "platform/cbcgp_dialog.h"
#include "platform/cbutton.h"
#include "platform/cgdi_objects.h"
#include "platform/ctree_ctrl.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
class CDerivedDialog : public CBCGPDialog {
    DECLARE_DYNAMIC(CDerivedDialog)
public:
    CDerivedDialog() : CBCGPDialog(100) {}
};
IMPLEMENT_DYNAMIC(CDerivedDialog, CBCGPDialog)
}  // namespace

TEST(RuntimeClassTest, IsKindOfFollowsTheBaseChainOnly)
{
    CDerivedDialog dialog;
    const CObject& object = dialog;
    EXPECT_STREQ("CDerivedDialog", object.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CDerivedDialog)));
    EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CBCGPDialog)));
    EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(object.IsKindOf(RUNTIME_CLASS(CTreeCtrl)));
    EXPECT_FALSE(object.IsKindOf(nullptr));

    CButton button;
    EXPECT_FALSE(button.IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(CWnd)));
    CFont font;
    EXPECT_TRUE(font.IsKindOf(RUNTIME_CLASS(CGdiObject)));
    EXPECT_FALSE(font.IsKindOf(RUNTIME_CLASS(CWnd)));
}
