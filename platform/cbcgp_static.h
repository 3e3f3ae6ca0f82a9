#pragma once

#include "platform/cstatic.h"

// The static control of the toolkit's underlying UI library. The toolkit's
// labels derive from it; it adds nothing the program relies on.
class CBCGPStatic : public CStatic {
    DECLARE_DYNAMIC(CBCGPStatic)
};
