#include "platform/cwinapp.h"

#include "platform/cwnd.h"
#include "platform/module_path.h"

IMPLEMENT_DYNAMIC(CWinApp, CObject)

namespace {

CWinApp* g_application = nullptr;

// The executable's file name without folder and extension.
CString ModuleBaseName()
{
    CString name = AfxGetModulePath();
    name = name.Mid(name.ReverseFind('\\') + 1);
    const int dot = name.ReverseFind('.');
    return dot >= 0 ? name.Left(dot) : name;
}

}  // namespace

CWinApp::CWinApp(const char* appName) : m_strAppName(appName)
{
    g_application = this;
}

CWinApp::~CWinApp()
{
    if (g_application == this)
        g_application = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_application;
}

CString AfxGetAppName()
{
    if (g_application != nullptr && !g_application->m_strAppName.IsEmpty())
        return g_application->m_strAppName;
    return ModuleBaseName();
}

bool CWinApp::InitInstance()
{
    return true;
}

int CWinApp::Run()
{
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!CWnd::WalkPreTranslateTree(nullptr, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            CWnd::DeleteTempMap();
    }
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    return 0;
}

void CWinApp::SetRegistryKey(const char* registryKey)
{
    m_strRegistryKey = registryKey;
    m_strProfileName = m_strAppName;
}

CString CWinApp::GetAppRegistryPath() const
{
    if (m_strRegistryKey.IsEmpty())
        return CString();
    return "Software\\" + m_strRegistryKey + "\\" + m_strProfileName;
}

int AfxWinMain(HINSTANCE instance)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return -1;
    app->m_hInstance = instance;
    if (app->m_strAppName.IsEmpty())
        app->m_strAppName = ModuleBaseName();
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}
