// Stand-in for a component the user registers: DllRegisterServer and
// DllUnregisterServer leave a mark in the current user's registry, with the
// command line of the process that called them (the registration tool).
#include "tests/components/component/test_component.h"

#include <windows.h>

namespace {

HRESULT LeaveMark(DWORD registered)
{
    const char* commandLine = GetCommandLineA();
    const DWORD size = static_cast<DWORD>(lstrlenA(commandLine) + 1);
    const bool marked =
        RegSetKeyValueA(HKEY_CURRENT_USER, kTestComponentKey, kTestComponentCommandLine, REG_SZ, commandLine, size) ==
            ERROR_SUCCESS &&
        RegSetKeyValueA(HKEY_CURRENT_USER, kTestComponentKey, kTestComponentRegistered, REG_DWORD, &registered,
                        sizeof registered) == ERROR_SUCCESS;
    return marked ? S_OK : E_FAIL;
}

}  // namespace

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer()
{
    return LeaveMark(1);
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllUnregisterServer()
{
    return LeaveMark(0);
}
