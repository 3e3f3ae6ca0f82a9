#pragma once

#include "platform/cstring.h"

class CPropertyAttributes;

// The registry value store: each attribute is a REG_DWORD in
// HKEY_CURRENT_USER\<root>[\<m_strRegKey>], value <m_strRegItem>, or a reset
// action on it. The collection's ReadAllValues and WriteAllValues run these on
// every attribute.

// True when the value was read into m_nValue; needs the key and the value
// name, and no reset action.
bool ReadValue(const CString& root, CPropertyAttributes* attribute);

// True when nothing needed writing or the write (or reset action) succeeded.
bool WriteValue(const CString& root, CPropertyAttributes* attribute);

// Runs the reset action when the value asks for it (1); WriteValue's helper.
bool ResetValue(const CString& root, CPropertyAttributes* attribute);
