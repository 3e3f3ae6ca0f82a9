#pragma once

#include <windows.h>
#include <oaidl.h>

struct IAccessible;

// The interface id of IAccessible, {618736E0-3C3D-11CF-810C-00AA00389B71}.
// The system declares IID_IAccessible as data of oleacc.dll, which an import
// library can turn into the address of a stub; this is the id itself.
extern const IID kIIDAccessible;

// The accessible object a window object gives out for its client area: the
// platform's standard accessible object of the window, with child count,
// children, name, role, state and value asked of the window object (its
// get_acc... virtuals) while it is bound. Returned with one reference.
IAccessible* CreateWindowAccessible(HWND window, IAccessible* standard);

// Helpers for the window objects' answers.
// The id a client passed: CHILDID_SELF (0), a child's 1..count, or -1 when it
// is no id of this object.
LONG AccessibleChildId(const VARIANT& child, LONG count);
// A narrow text (process code page) as a new string for the client; S_FALSE
// and no string for an empty text.
HRESULT AccessibleText(const char* text, BSTR* answer);
// A role or a state as the client reads it.
HRESULT AccessibleNumber(LONG number, VARIANT* answer);
