#pragma once

#include "platform/clist_ctrl.h"

// The list control of the toolkit's underlying UI library. The toolkit's
// list control derives from it; it adds nothing the program relies on.
class CBCGPListCtrl : public CListCtrl {
    DECLARE_DYNAMIC(CBCGPListCtrl)
};
