#pragma once

#include <windows.h>

#include <string>

// The test executables sit in <source>\build\windows\ beside the programs
// and stand-ins they built; the test data lies in <source>\tests\data\.

// The folder of the running test executable, with a trailing backslash.
inline std::string ExecutableFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string module = path;
    return module.substr(0, module.rfind('\\') + 1);
}

// A file or folder below tests\data\ of the source tree.
inline std::string TestDataPath(const std::string& relative)
{
    std::string folder = ExecutableFolder();
    for (int up = 0; up < 2; ++up)  // up from build\windows
        folder = folder.substr(0, folder.rfind('\\', folder.size() - 2) + 1);
    return folder + "tests\\data\\" + relative;
}
