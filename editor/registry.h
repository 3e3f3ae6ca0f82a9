#pragma once

#include "platform/cobject.h"
#include "platform/cstring.h"

// Records the path of a registry key while the value store has it open.
class CRegistry : public CObject {
    DECLARE_DYNAMIC(CRegistry)
public:
    CRegistry() = default;
    ~CRegistry() override = default;

    CString m_strKeyPath;
};
