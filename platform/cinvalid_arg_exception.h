#pragma once

#include <stdexcept>

// Raised by the containers and strings for an index out of range: the caller
// broke the contract (callers check counts first). It never crosses a window
// procedure: CWnd's window procedure entry catches it.
class CInvalidArgException : public std::invalid_argument {
public:
    explicit CInvalidArgException(const char* what) : std::invalid_argument(what) {}
};
