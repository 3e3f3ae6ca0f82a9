#pragma once

#include "platform/cwinapp.h"

// The application: runs the configuration dialog modally and ends with it.
class CKestAdvConfigApp : public CWinApp {
    DECLARE_DYNAMIC(CKestAdvConfigApp)
public:
    bool InitInstance() override;
};
