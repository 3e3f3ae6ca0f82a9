#pragma once

#include <windows.h>

// The module that resources (dialogs, strings, menus, images) are loaded
// from: the executable unless the application names another.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);
