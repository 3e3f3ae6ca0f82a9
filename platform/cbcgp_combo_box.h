#pragma once

#include "platform/ccombo_box.h"

// The combo box of the toolkit's underlying UI library. The toolkit's combo
// boxes derive from it; it adds nothing the program relies on.
class CBCGPComboBox : public CComboBox {
    DECLARE_DYNAMIC(CBCGPComboBox)
};
