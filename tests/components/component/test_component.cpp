// Stand-in for a component the user registers: DllRegisterServer and
// DllUnregisterServer leave a mark in the current user's registry, with the
// command line of the process that called them (the registration tool).
#include "tests/components/component/test_component.h"

#include <windows.h>

namespace {

HRESULT LeaveMark(DWORD registered)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kTestComponentKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return E_FAIL;
    const char* commandLine = GetCommandLineA();
    LSTATUS status = RegSetValueExA(key, kTestComponentCommandLine, 0, REG_SZ,
                                    reinterpret_cast<const BYTE*>(commandLine),
                                    static_cast<DWORD>(lstrlenA(commandLine) + 1));
    if (status == ERROR_SUCCESS)
        status = RegSetValueExA(key, kTestComponentRegistered, 0, REG_DWORD,
                                reinterpret_cast<const BYTE*>(&registered), sizeof registered);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? S_OK : E_FAIL;
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
