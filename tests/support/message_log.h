#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Records the messages that reach the windows it watches, the way the
// platform's own conformance tests compare message sequences: each entry is
// "<window name>:<message name>".
class MessageLog {
public:
    void Add(const char* window, UINT message);
    void Add(const std::string& entry) { m_entries.push_back(entry); }
    void Clear() { m_entries.clear(); }
    const std::vector<std::string>& Entries() const { return m_entries; }
    // Entries naming only the given messages, in order.
    std::vector<std::string> Only(const std::vector<UINT>& messages) const;
    std::string Text() const;  // for failure output

    static std::string MessageName(UINT message);

private:
    std::vector<std::string> m_entries;
};
