#pragma once

#include "platform/cdata_exchange.h"
#include "platform/cwnd.h"

// A dialog made from a template in the resource module. DoModal runs the
// layer's own modal loop, so every message passes PreTranslateMessage of its
// target window and that window's parents before IsDialogMessage. A modal
// dialog without a parent is owned by the thread's active window, which it
// disables while it runs, as the platform's own dialogs do.
class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Runs the dialog modally; the value given to EndDialog, or -1 when the
    // dialog could not be created.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless (test hosts, embedded pages).
    bool Create(UINT templateId, CWnd* parent = nullptr);
    // The same from a template in memory (DLGTEMPLATE or DLGTEMPLATEEX).
    bool CreateIndirect(const void* dialogTemplate, CWnd* parent = nullptr);
    void EndDialog(int result);

    // Runs DoDataExchange; false when the exchange failed.
    bool UpdateData(bool saveAndValidate = true);

    UINT GetTemplateId() const { return m_nIDHelp; }
    bool IsModalLoopRunning() const { return m_bInModalLoop; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreTranslateMessage(MSG* msg) override;

    // Runs just before OnInitDialog, when the window and its items exist.
    virtual void PreInitDialog();
    // True lets the system set the focus to the first control.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange* dx);
    // Called with each font the dialog is given (WM_SETFONT), first with the
    // template's font while the window is being created, before its items
    // exist; the dialog has already stored the font when it runs.
    virtual void OnSetFont(HFONT font);
    virtual void OnOK();
    virtual void OnCancel();

private:
    bool CreateFromTemplate(const void* dialogTemplate, HWND owner);
    bool CreateFromResource(HWND owner);
    HWND ModalOwner() const;
    void RunModalLoop();
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);

    UINT m_nIDHelp;
    CWnd* m_pParentWnd;
    INT_PTR m_nModalResult = -1;
    bool m_bEndModal = false;
    bool m_bInModalLoop = false;
};
