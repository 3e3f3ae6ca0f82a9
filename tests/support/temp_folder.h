#pragma once

#include "tests/support/test_paths.h"

#include <string>

// A folder of its own under the temporary folder, removed with everything
// in it at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // Relative to the folder; folders on the way are made.
    std::string MakeFolder(const std::string& relative) const;
    std::string MakeFile(const std::string& relative, bool hidden = false) const;
    std::string CopyFileTo(const std::string& source, const std::string& relative) const;

private:
    std::string m_path;
};
