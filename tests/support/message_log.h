#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Compares two sequences; on a mismatch the message lists both.
testing::AssertionResult SameSequence(const std::vector<std::string>& expected, const std::vector<std::string>& actual);

// Records the messages that reach the windows a test watches, one entry
// "<window name>:<message name>" (or any text a test adds) each. Expected
// sequences are static tables; a mismatch prints both, one entry a line.
class MessageLog {
public:
    void Add(const char* window, UINT message) { Add(std::string(window) + ":" + MessageName(message)); }
    void Add(const std::string& entry) { m_entries.push_back(entry); }
    void Clear() { m_entries.clear(); }
    // Entries naming only the given messages, in order.
    std::vector<std::string> Only(const std::vector<UINT>& messages) const;

    // EXPECT_TRUE(log.Is(kExpected)): the whole log is the sequence.
    testing::AssertionResult Is(const std::vector<std::string>& all) const { return SameSequence(all, m_entries); }
    // The last entries of the log are the sequence.
    testing::AssertionResult EndsWith(const std::vector<std::string>& expected) const;

    static std::string MessageName(UINT message);

private:
    std::vector<std::string> m_entries;
};

// A message as this thread took it from its queue.
struct PostedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Records, while it lives, every message of the given numbers that this
// thread takes from its queue (a thread hook: the windows stay as they are).
class PostedMessageRecorder {
public:
    explicit PostedMessageRecorder(std::vector<UINT> messages);
    ~PostedMessageRecorder();
    PostedMessageRecorder(const PostedMessageRecorder&) = delete;
    PostedMessageRecorder& operator=(const PostedMessageRecorder&) = delete;

    std::vector<PostedMessage> To(HWND window) const;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    std::vector<UINT> m_watched;
    std::vector<PostedMessage> m_messages;
    HHOOK m_hook = nullptr;
};
