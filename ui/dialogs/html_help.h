#pragma once

#include "platform/cobject.h"
#include "platform/cstring.h"

#include <windows.h>

// The road to the system's HTML Help viewer: the viewer library is found
// through its COM registration (or as "hhctrl.ocx") on the first call, and
// its HtmlHelpA entry (export 14) is kept. When no library or no entry can
// be had, the viewer is marked failed and every later call returns null at
// once, without looking again.
class UIHtmlHelp : public CObject {
    DECLARE_DYNAMIC(UIHtmlHelp)
public:
    UIHtmlHelp() = default;
    UIHtmlHelp(const UIHtmlHelp&) = delete;
    UIHtmlHelp& operator=(const UIHtmlHelp&) = delete;

    // The process-wide record the program's Help button uses.
    static UIHtmlHelp& Viewer();

    // HtmlHelpA(caller, file, command, data) of the viewer; null when the
    // viewer cannot be reached.
    HWND Call(HWND caller, const char* file, UINT command, DWORD_PTR data);

    bool HasFailed() const { return m_bFailed; }
    HMODULE GetLibrary() const { return m_hLibrary; }

    // The viewer library's path as registered under HKEY_CLASSES_ROOT (an
    // expandable string expanded); empty when there is none or it is too long.
    static CString RegisteredViewerPath();

private:
    bool Load();

    HMODULE m_hLibrary = nullptr;
    FARPROC m_pfnEntry = nullptr;
    bool m_bFailed = false;
};

// Help file of the program whose executable is `modulePath`: its folder +
// "\HELP\KestAdvConfig.chm>overview" (after ">" the help window type).
CString UIHelpFilePath(const char* modulePath);
// The same for the running executable.
CString UIHelpFilePath();

// The Help button: opens the help file at context 102 through `viewer`. When
// the viewer fails and describes the failure, the description is shown in a
// "Help Error" box owned by `caller`. True when the viewer opened a window.
bool UIShowHelp(HWND caller, UIHtmlHelp& viewer = UIHtmlHelp::Viewer());
