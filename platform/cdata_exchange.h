#pragma once

class CWnd;

// Carries the direction of a data transfer between a dialog and its controls.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, bool saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate;
};

// Binds the dialog item `id` to `control` (by subclassing) the first time.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
