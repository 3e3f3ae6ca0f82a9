#pragma once

#include "platform/cstring.h"

// Where the program keeps the configured values, below HKEY_CURRENT_USER.
inline constexpr char kQuorvelinRegistryRoot[] = "Software\\Tarnwick, Inc.\\Quorvelin X8";

// One change that Apply makes to the registry for one attribute. The value
// store carries it out; KestAdvCheck writes it down as a .reg file. Both get
// it from CPropertyAttributes, the one place that decides it.
struct CRegistryWrite {
    enum class Kind {
        Nothing,       // no change; counts as done
        SetDword,      // `name` in `keyPath` := `value` as REG_DWORD; missing keys are created
        DeleteSubKey,  // the sub-key `name` of `keyPath` and all below it; empty `name`: all
                       // that `keyPath` holds, the key itself stays
    };
    Kind kind = Kind::Nothing;
    CString keyPath;  // below HKEY_CURRENT_USER
    CString name;
    int value = 0;
};
