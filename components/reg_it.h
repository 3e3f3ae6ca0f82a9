#pragma once

#include "platform/cobject.h"
#include "platform/cstring.h"

// Starts the system's component registration tool on a component file.
class CRegIt : public CObject {
    DECLARE_DYNAMIC(CRegIt)
public:
    // Starts Regsvr32.exe of the system directory on `path` (unregistering
    // with " /u "); true when the tool was started. The tool reports the
    // outcome itself: it is neither waited for nor asked.
    bool RegisterComponent(CString path, bool registerIt);
};
