#include "editor/registry.h"

IMPLEMENT_DYNAMIC(CRegistry, CObject)
