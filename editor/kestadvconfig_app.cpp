#include "editor/kestadvconfig_app.h"

#include "editor/main_dialog.h"
#include "ui/dialogs/registered_messages.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CKestAdvConfigApp, CWinApp)

// Registers the toolkit's named messages during static initialisation, before
// the application object starts, whether or not a window of the program uses
// them: the one place that does it.
[[maybe_unused]] static const UIRegisteredMessageTable& g_namedMessages = UIRegisteredMessages();

// The one application object; the entry point finds it through AfxGetApp.
static CKestAdvConfigApp theApp;

bool CKestAdvConfigApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0xFF;  // every Windows 95 control class
    InitCommonControlsEx(&controls);

    CWinApp::InitInstance();
    // Our platform layer hosts no ActiveX controls and keeps no shell
    // manager, and the toolkit keeps no global state that needs releasing:
    // enabling containment, the shell manager and the library's clean-up
    // have nothing to do here.
    SetRegistryKey("Local AppWizard-Generated Applications");

    {
        CKestAdvConfigDlg dialog;  // loads the definition file
        m_pMainWnd = &dialog;
        dialog.DoModal();
        m_pMainWnd = nullptr;
    }

    // No message loop of our own: the program ends with the dialog.
    return false;
}
