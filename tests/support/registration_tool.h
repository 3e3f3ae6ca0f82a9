#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The system's registration tool run on the test component (tests/components/component).

// The command line the registration tool left, once the component's mark
// says `registered` (1 registered, 0 unregistered); empty before.
std::string RegistrationMark(DWORD registered);

// The registration tool's processes now running.
std::vector<DWORD> RegistrationToolProcesses();

// Waits (bounded) for the mark, then ends each run of the tool not among
// `toolsBefore`: its result (a box, or on Wine a lingering process) is not the program's.
bool WaitForRegistrationMark(DWORD registered, const std::vector<DWORD>& toolsBefore);
