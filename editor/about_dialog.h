#pragma once

#include "platform/cdialog.h"

// The About box opened from the system menu.
class CAboutDlg : public CDialog {
    DECLARE_DYNAMIC(CAboutDlg)
public:
    CAboutDlg();

protected:
    bool OnInitDialog() override;
};
