#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The system's registration tool run on the test component
// (tests/components/component): the mark the component leaves, and the
// end of the tool's runs that a test started.

// The command line the registration tool left, once the component's mark
// says `registered` (1 registered, 0 unregistered); empty before.
std::string RegistrationMark(DWORD registered);

// The registration tool's processes now running.
std::vector<DWORD> RegistrationToolProcesses();

// Waits (bounded) for the mark, then ends each run of the tool that is not
// among `toolsBefore`, by its process id: the tool's result (a box, or on
// Wine a console line from a process that lingers) is not the program's.
bool WaitForRegistrationMark(DWORD registered, const std::vector<DWORD>& toolsBefore);
