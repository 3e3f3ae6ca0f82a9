#include "ui/dialogs/ui_menu_util.h"

IMPLEMENT_DYNAMIC(UIMenuUtil, CObject)
