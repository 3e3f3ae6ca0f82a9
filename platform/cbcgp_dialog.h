#pragma once

#include "platform/cdialog.h"

// The dialog class of the toolkit's underlying UI library. The toolkit's
// dialog base derives from it; it adds nothing the program relies on yet.
class CBCGPDialog : public CDialog {
    DECLARE_DYNAMIC(CBCGPDialog)
public:
    explicit CBCGPDialog(UINT templateId, CWnd* parent = nullptr) : CDialog(templateId, parent) {}
};
