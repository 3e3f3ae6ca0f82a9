#pragma once

#include "platform/cstring.h"

#include <set>
#include <string>

// Hands out identifiers (ASCII letters, digits and underscores, not starting
// with a digit) made from any text, each unique in the set whatever its case.
class CIdentifierSet {
public:
    // The text's ASCII letters and digits, every other run of characters one
    // underscore; `fallback` when nothing is left; "_2", "_3", … when taken.
    CString Make(const CString& text, const char* fallback);

private:
    std::set<std::string> m_taken;  // lower case
};
