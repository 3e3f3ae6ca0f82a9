// The call record every stand-in library keeps: one line per call, read back
// by the tests through the exports StandInCallCount and StandInCall.
#pragma once

#include <string>

void RecordCall(std::string call);
