#include "platform/cbcgp_list_ctrl.h"

IMPLEMENT_DYNAMIC(CBCGPListCtrl, CListCtrl)
