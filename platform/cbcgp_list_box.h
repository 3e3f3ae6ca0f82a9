#pragma once

#include "platform/clist_box.h"

// The list box of the toolkit's underlying UI library. The toolkit's list
// boxes derive from it; it adds nothing the program relies on.
class CBCGPListBox : public CListBox {
    DECLARE_DYNAMIC(CBCGPListBox)
};
