#pragma once

#include <string>
#include <vector>

// The stand-in DLLs built beside the test executable (see targets.cmake).

// <test executable's folder>\standins\<relative>
std::string StandInPath(const char* relative);

// What the loaded stand-in `module` recorded, one text a call (read through
// its StandInCallCount and StandInCall exports); empty when it is not loaded.
std::vector<std::string> RecordedCalls(const char* module);
