#include "editor/property_attributes.h"

IMPLEMENT_DYNAMIC(CPropertyAttributes, CObject)
