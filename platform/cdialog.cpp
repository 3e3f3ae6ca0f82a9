#include "platform/cdialog.h"

#include "platform/resource_module.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDHelp(templateId), m_pParentWnd(parent) {}

INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT, WPARAM, LPARAM)
{
    // Everything is handled by the subclassed window procedure.
    return FALSE;
}

bool CDialog::CreateFromResource(HWND owner)
{
    const HINSTANCE module = AfxGetResourceHandle();
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(m_nIDHelp), reinterpret_cast<LPCSTR>(RT_DIALOG));
    const HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* dialogTemplate = loaded != nullptr ? LockResource(loaded) : nullptr;
    return dialogTemplate != nullptr && CreateFromTemplate(dialogTemplate, owner);
}

bool CDialog::CreateFromTemplate(const void* dialogTemplate, HWND owner)
{
    if (dialogTemplate == nullptr || m_hWnd != nullptr)
        return false;
    m_bEndModal = false;
    m_nModalResult = -1;
    HookWindowCreate(this);
    const HWND hwnd = CreateDialogIndirectParamA(AfxGetResourceHandle(), static_cast<const DLGTEMPLATE*>(dialogTemplate),
                                                 owner, &CDialog::DialogProc, 0);
    UnhookWindowCreate();
    if (hwnd == nullptr) {
        if (m_hWnd != nullptr)
            DestroyWindow();
        return false;
    }
    return m_hWnd == hwnd;
}

bool CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nIDHelp = templateId;
    m_pParentWnd = parent;
    return CreateFromResource(parent != nullptr ? parent->m_hWnd : nullptr);
}

bool CDialog::CreateIndirect(const void* dialogTemplate, CWnd* parent)
{
    m_pParentWnd = parent;
    return CreateFromTemplate(dialogTemplate, parent != nullptr ? parent->m_hWnd : nullptr);
}

HWND CDialog::ModalOwner() const
{
    if (m_pParentWnd != nullptr)
        return m_pParentWnd->m_hWnd;
    // Unowned, the dialog would leave the window the user works in clickable.
    return ::GetActiveWindow();
}

INT_PTR CDialog::DoModal()
{
    const HWND owner = ModalOwner();
    const bool disabledOwner = owner != nullptr && ::IsWindowEnabled(owner) && ::EnableWindow(owner, FALSE) == FALSE;

    if (CreateFromResource(owner)) {
        if (!m_bEndModal) {
            ShowWindow(SW_SHOWNORMAL);
            RunModalLoop();
        }
        // Hide before the owner comes back, so focus returns without flicker.
        if (m_hWnd != nullptr)
            SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (disabledOwner)
        ::EnableWindow(owner, TRUE);
    if (owner != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(owner);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::RunModalLoop()
{
    m_bInModalLoop = true;
    MSG msg;
    while (!m_bEndModal) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT ends the dialog and stays in the queue for the outer loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        if (!WalkPreTranslateTree(m_hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            DeleteTempMap();
    }
    m_bInModalLoop = false;
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    m_bEndModal = true;
    if (m_hWnd != nullptr)
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the modal loop
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return !dx.HasFailed();
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        PreInitDialog();
        return OnInitDialog() ? TRUE : FALSE;
    case WM_SETFONT: {
        // Stored first, so a font that OnSetFont sends on is the one that stays.
        const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        OnSetFont(reinterpret_cast<HFONT>(wParam));
        return result;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            if (LOWORD(wParam) == IDOK) {
                OnOK();
                return 0;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                OnCancel();
                return 0;
            }
        }
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

bool CDialog::PreTranslateMessage(MSG* msg)
{
    const bool keyboard = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
    const bool mouse = msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST;
    if ((keyboard || mouse) && m_hWnd != nullptr)
        return IsDialogMessageA(m_hWnd, msg) != FALSE;
    return false;
}

void CDialog::PreInitDialog() {}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnSetFont(HFONT) {}

void CDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
