#include "platform/cbcgp_static.h"

IMPLEMENT_DYNAMIC(CBCGPStatic, CStatic)
