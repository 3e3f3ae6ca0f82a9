#pragma once

#include "platform/cstring.h"

class CPropertyAttributes;

// What this user's registry holds now where an attribute's value lives.
struct CStoredValue {
    enum class State {
        Dword,     // `value` holds it
        Missing,   // the key exists, the value does not
        NotDword,  // another type, or not 4 bytes
        NoKey,     // the key does not exist
    };
    State state = State::NoKey;
    int value = 0;
};

// Where Apply writes an attribute's value: its key below HKEY_CURRENT_USER
// and value name. False for a reset action (a command, no stored value) and
// for an attribute that writes nothing.
bool StoredValueLocation(const CPropertyAttributes& attribute, CString* keyPath, CString* name);

CStoredValue ReadStoredValue(const CString& keyPath, const CString& name);
