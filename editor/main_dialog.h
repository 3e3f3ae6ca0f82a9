#pragma once

#include "ui/dialogs/ui_dialog.h"

// The program's only window: the advanced configuration dialog.
class CKestAdvConfigDlg : public UIDialog {
    DECLARE_DYNAMIC(CKestAdvConfigDlg)
public:
    explicit CKestAdvConfigDlg(CWnd* parent = nullptr);

    HICON GetIcon() const { return m_hIcon; }

protected:
    bool OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnSysCommand(UINT command, LPARAM lParam);
    void AddAboutItemToSystemMenu();

    HICON m_hIcon = nullptr;
};
