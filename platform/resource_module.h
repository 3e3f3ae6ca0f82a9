#pragma once

#include <windows.h>

// The module that resources (dialogs, strings, menus, images) are loaded
// from: the executable unless the application names another.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);

// Makes `module` the resource module while the object lives, then restores
// the previous one; a null module changes nothing.
class CResourceModuleScope {
public:
    explicit CResourceModuleScope(HINSTANCE module);
    ~CResourceModuleScope();
    CResourceModuleScope(const CResourceModuleScope&) = delete;
    CResourceModuleScope& operator=(const CResourceModuleScope&) = delete;

private:
    HINSTANCE m_previous;
    bool m_switched;
};
