#include "platform/cbcgp_edit.h"

IMPLEMENT_DYNAMIC(CBCGPEdit, CEdit)
