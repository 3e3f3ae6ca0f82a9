#pragma once

#include "platform/cobject.h"
#include "platform/cstring.h"

#include <windows.h>

class CWnd;

// The application object. Exactly one exists, constructed statically; the
// entry point runs its InitInstance and, when that returns true, its message
// loop.
class CWinApp : public CObject {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance();
    virtual int Run();
    virtual int ExitInstance();

    // Settings of the application live below
    // HKEY_CURRENT_USER\Software\<registry key>\<application name>.
    void SetRegistryKey(const char* registryKey);
    const CString& GetRegistryKey() const { return m_strRegistryKey; }
    const CString& GetProfileName() const { return m_strProfileName; }
    CString GetAppRegistryPath() const;

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName;

private:
    CString m_strRegistryKey;
    CString m_strProfileName;
};

CWinApp* AfxGetApp();
// The application's name, or the executable's base name when there is no
// application object (tests, tools).
CString AfxGetAppName();
// The entry point's work: set up the application object and run it.
int AfxWinMain(HINSTANCE instance);
