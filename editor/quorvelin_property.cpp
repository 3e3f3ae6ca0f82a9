#include "editor/quorvelin_property.h"

IMPLEMENT_DYNAMIC(CQuorvelinProperty, CObject)
