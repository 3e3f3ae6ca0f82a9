#include "platform/cbcgp_list_box.h"

IMPLEMENT_DYNAMIC(CBCGPListBox, CListBox)
