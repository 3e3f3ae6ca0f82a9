#pragma once

#include "platform/cedit.h"

// The edit control of the toolkit's underlying UI library. The toolkit's
// edits derive from it; it adds nothing the program relies on.
class CBCGPEdit : public CEdit {
    DECLARE_DYNAMIC(CBCGPEdit)
};
