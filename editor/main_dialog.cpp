#include "editor/main_dialog.h"

#include "editor/about_dialog.h"
#include "platform/resource_module.h"
#include "resources/resource.h"

IMPLEMENT_DYNAMIC(CKestAdvConfigDlg, UIDialog)

CKestAdvConfigDlg::CKestAdvConfigDlg(CWnd* parent) : UIDialog(IDD_KESTADVCONFIG_DIALOG, parent)
{
    m_hIcon = LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

bool CKestAdvConfigDlg::OnInitDialog()
{
    UIDialog::OnInitDialog();
    AddAboutItemToSystemMenu();
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);
    return true;
}

void CKestAdvConfigDlg::AddAboutItemToSystemMenu()
{
    const HMENU systemMenu = GetSystemMenu(false);
    if (systemMenu == nullptr)
        return;
    CString aboutText;
    aboutText.LoadString(IDS_ABOUTBOX);
    if (aboutText.IsEmpty())
        return;
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText);
}

LRESULT CKestAdvConfigDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
            OnSysCommand(static_cast<UINT>(wParam), lParam);
            return 0;
        }
        break;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(m_hIcon);
    default:
        break;
    }
    return UIDialog::WindowProc(message, wParam, lParam);
}

void CKestAdvConfigDlg::OnSysCommand(UINT, LPARAM)
{
    CAboutDlg about;
    about.DoModal();
}
