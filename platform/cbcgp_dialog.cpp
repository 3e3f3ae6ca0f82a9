#include "platform/cbcgp_dialog.h"

IMPLEMENT_DYNAMIC(CBCGPDialog, CDialog)
