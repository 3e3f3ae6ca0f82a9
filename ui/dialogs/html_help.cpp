#include "ui/dialogs/html_help.h"

#include "platform/afx_message_box.h"
#include "platform/module_path.h"
#include "platform/registry_key.h"
#include "platform/text_conversion.h"

#include <htmlhelp.h>
#include <oleauto.h>

IMPLEMENT_DYNAMIC(UIHtmlHelp, CObject)

namespace {

constexpr char kViewerServerKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr char kViewerLibrary[] = "hhctrl.ocx";
constexpr WORD kHtmlHelpAOrdinal = 14;
constexpr DWORD kPathBytes = 260;

constexpr DWORD_PTR kOverviewContext = 102;
constexpr char kHelpFile[] = "\\HELP\\KestAdvConfig.chm>overview";

using HtmlHelpAFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// The viewer's answer to HH_GET_LAST_ERROR.
struct HelpLastError {
    int cbStruct;
    HRESULT hr;
    BSTR description;
};

}  // namespace

UIHtmlHelp& UIHtmlHelp::Viewer()
{
    static UIHtmlHelp viewer;
    return viewer;
}

CString UIHtmlHelp::RegisteredViewerPath()
{
    char value[kPathBytes + 1] = {};
    DWORD type = REG_NONE;
    DWORD size = kPathBytes;
    if (!RegistryKey::Open(HKEY_CLASSES_ROOT, kViewerServerKey).Query(nullptr, value, &size, &type))
        return CString();
    if (type == REG_SZ)
        return CString(value);
    if (type == REG_EXPAND_SZ) {
        char expanded[kPathBytes] = {};
        const DWORD needed = ExpandEnvironmentStringsA(value, expanded, kPathBytes);
        if (needed == 0 || needed > kPathBytes)
            return CString();
        return CString(expanded);
    }
    return CString();
}

bool UIHtmlHelp::Load()
{
    const CString path = RegisteredViewerPath();
    if (!path.IsEmpty())
        m_hLibrary = LoadLibraryExA(path, nullptr, 0);
    if (m_hLibrary == nullptr)
        m_hLibrary = LoadLibraryA(kViewerLibrary);
    if (m_hLibrary != nullptr)
        m_pfnEntry = GetProcAddress(m_hLibrary, MAKEINTRESOURCEA(kHtmlHelpAOrdinal));
    // Without a viewer the Help button stays silent for the rest of the process.
    m_bFailed = m_pfnEntry == nullptr;
    return !m_bFailed;
}

HWND UIHtmlHelp::Call(HWND caller, const char* file, UINT command, DWORD_PTR data)
{
    if (m_bFailed)
        return nullptr;
    if (m_pfnEntry == nullptr && !Load())
        return nullptr;
    const auto htmlHelpA = reinterpret_cast<HtmlHelpAFunction>(reinterpret_cast<void*>(m_pfnEntry));
    return htmlHelpA(caller, file, command, data);
}

CString UIHelpFilePath(const char* modulePath)
{
    const CString module(modulePath);
    return module.Left(module.ReverseFind('\\')) + kHelpFile;
}

CString UIHelpFilePath()
{
    return UIHelpFilePath(AfxGetModulePath());
}

bool UIShowHelp(HWND caller, UIHtmlHelp& viewer)
{
    if (viewer.Call(caller, UIHelpFilePath(), HH_HELP_CONTEXT, kOverviewContext) != nullptr)
        return true;

    HelpLastError lastError{};
    lastError.cbStruct = sizeof lastError;
    if (viewer.Call(caller, nullptr, HH_GET_LAST_ERROR, reinterpret_cast<DWORD_PTR>(&lastError)) == nullptr)
        return false;
    if (FAILED(lastError.hr) && lastError.description != nullptr) {
        const CString description = NarrowFromWide(lastError.description);
        SysFreeString(lastError.description);
        AfxShowMessageBox(caller, description, "Help Error", MB_OK);
    } else if (lastError.description != nullptr) {
        SysFreeString(lastError.description);
    }
    return false;
}
