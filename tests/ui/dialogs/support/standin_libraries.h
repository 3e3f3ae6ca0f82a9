#pragma once

#include <string>
#include <vector>

// The stand-in DLLs built beside the test executable (see targets.cmake).

// <test executable's folder>\standins\<name>
std::string StandInFolder(const char* name);

// Adds a folder to the DLL search path for the life of the object.
class DllSearchFolder {
public:
    explicit DllSearchFolder(const std::string& folder);
    ~DllSearchFolder();
    DllSearchFolder(const DllSearchFolder&) = delete;
    DllSearchFolder& operator=(const DllSearchFolder&) = delete;
};

// Calls recorded by the loaded recording KxIPC.dll, "number|first|text|last";
// empty when it is not loaded.
std::vector<std::string> RecordedLogCalls();

// Calls recorded by the loaded stand-in help viewer, "file|command|data".
std::vector<std::string> RecordedViewerCalls();
