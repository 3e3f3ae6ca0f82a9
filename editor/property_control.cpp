#include "editor/property_control.h"

IMPLEMENT_DYNAMIC(CPropertyControl, CObject)
