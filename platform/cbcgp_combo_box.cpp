#include "platform/cbcgp_combo_box.h"

IMPLEMENT_DYNAMIC(CBCGPComboBox, CComboBox)
