#include "components/reg_it.h"

#include <windows.h>
#include <shellapi.h>

IMPLEMENT_DYNAMIC(CRegIt, CObject)

bool CRegIt::RegisterComponent(CString path, bool registerIt)
{
    char systemDirectory[MAX_PATH] = {};
    if (GetSystemDirectoryA(systemDirectory, MAX_PATH) == 0)
        return false;
    const CString program = CString(systemDirectory) + "\\Regsvr32.exe";
    // The path goes as it stands, unquoted; no silent switch, so the tool
    // shows its own result.
    const CString parameters = registerIt ? path : CString(" /u ") + path;
    const HINSTANCE started = ShellExecuteA(nullptr, "open", program, parameters, nullptr, SW_HIDE);
    return static_cast<int>(reinterpret_cast<INT_PTR>(started)) > 32;
}
