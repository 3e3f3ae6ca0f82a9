#pragma once

#include <windows.h>

struct IAccessible;

// The interface id of IAccessible, {618736E0-3C3D-11CF-810C-00AA00389B71}.
// The system declares IID_IAccessible as data of oleacc.dll, which an import
// library can turn into the address of a stub; this is the id itself.
extern const IID kIIDAccessible;

// The accessible object a window object gives out for its client area: the
// platform's standard accessible object of the window, with name, role and
// state asked of the window object (get_accName, get_accRole, get_accState) while it is
// bound. Returned with one reference.
IAccessible* CreateWindowAccessible(HWND window, IAccessible* standard);
