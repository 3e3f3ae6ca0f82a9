#include "editor/about_dialog.h"

#include "platform/resource_module.h"
#include "resources/resource.h"

IMPLEMENT_DYNAMIC(CAboutDlg, CDialog)

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

bool CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The template's icon control names an icon the resources do not hold;
    // show the program's own icon there instead of an empty space.
    const HICON icon = static_cast<HICON>(
        LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    if (icon != nullptr)
        SendDlgItemMessageA(m_hWnd, IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    return true;
}
