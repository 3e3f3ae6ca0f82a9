// Stand-in HTML Help viewer: HtmlHelpA as export 14 (see help_viewer.def).
// It fails every help request and, asked for the last error, reports a
// failure code and a description as a wide string the caller frees. Calls
// are recorded for the tests, "file|command|data".
#include <windows.h>
#include <htmlhelp.h>
#include <oleauto.h>

#include "recorded_calls.h"

namespace {

struct HelpLastError {
    int cbStruct;
    HRESULT hr;
    BSTR description;
};

HRESULT g_answerCode = static_cast<HRESULT>(0x80030002);  // STG_E_FILENOTFOUND
const wchar_t* g_answerText = L"Не удаётся открыть файл справки «KestAdvConfig.chm».";

}  // namespace

extern "C" HWND WINAPI StandInHtmlHelpA(HWND caller, LPCSTR file, UINT command, DWORD_PTR data)
{
    RecordCall(std::string(file != nullptr ? file : "(null)") + "|" + std::to_string(command) + "|" +
               (command == HH_GET_LAST_ERROR ? "record" : std::to_string(static_cast<unsigned long long>(data))));
    auto* record = reinterpret_cast<HelpLastError*>(data);
    if (command != HH_GET_LAST_ERROR || record == nullptr || record->cbStruct != static_cast<int>(sizeof *record))
        return nullptr;
    record->hr = g_answerCode;
    record->description = g_answerText != nullptr ? SysAllocString(g_answerText) : nullptr;
    return caller != nullptr ? caller : GetDesktopWindow();
}

// How the next HH_GET_LAST_ERROR is answered; a null text gives no
// description. The text is kept, not copied: the tests pass literals.
extern "C" void StandInViewerAnswer(HRESULT code, const wchar_t* text)
{
    g_answerCode = code;
    g_answerText = text;
}
