#pragma once

#include <windows.h>

class CWnd;

// Carries the direction of a data transfer between a dialog and its controls,
// and whether it failed. After a failure the remaining exchange functions do
// nothing, and UpdateData returns false.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, bool saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    // The dialog item an exchange function is about to work on; the focus
    // goes there when the exchange fails.
    HWND PrepareCtrl(int id);
    // Ends the exchange as failed.
    void Fail();
    bool HasFailed() const { return m_bFailed; }

    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate;

private:
    HWND m_hWndLastControl = nullptr;
    bool m_bFailed = false;
};

// Binds the dialog item `id` to `control` (by subclassing) the first time;
// fails the exchange when there is no such item or it cannot be bound.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
