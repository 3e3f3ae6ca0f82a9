#include "tests/support/message_log.h"

#include <algorithm>

namespace {
thread_local PostedMessageRecorder* t_recorder = nullptr;

std::string Lines(const std::vector<std::string>& entries)
{
    std::string text;
    for (const std::string& entry : entries)
        text += "    " + entry + "\n";
    return text;
}
}  // namespace

void MessageLog::Add(const char* window, UINT message)
{
    m_entries.push_back(std::string(window) + ":" + MessageName(message));
}

std::vector<std::string> MessageLog::Only(const std::vector<UINT>& messages) const
{
    std::vector<std::string> selected;
    for (const std::string& entry : m_entries) {
        const std::string name = entry.substr(entry.find(':') + 1);
        for (UINT message : messages) {
            if (name == MessageName(message)) {
                selected.push_back(entry);
                break;
            }
        }
    }
    return selected;
}

std::string MessageLog::Text() const
{
    std::string text;
    for (const std::string& entry : m_entries)
        text += entry + "\n";
    return text;
}

testing::AssertionResult MessageLog::Is(const std::vector<std::string>& expected) const
{
    return SameSequence(expected, m_entries);
}

testing::AssertionResult MessageLog::EndsWith(const std::vector<std::string>& expected) const
{
    const size_t skipped = m_entries.size() > expected.size() ? m_entries.size() - expected.size() : 0;
    const std::vector<std::string> tail(m_entries.begin() + static_cast<std::ptrdiff_t>(skipped), m_entries.end());
    if (SameSequence(expected, tail))
        return testing::AssertionSuccess();
    return SameSequence(expected, m_entries) << "(compared at the end)\n";
}

testing::AssertionResult SameSequence(const std::vector<std::string>& expected, const std::vector<std::string>& actual)
{
    if (expected == actual)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "expected sequence:\n" << Lines(expected) << "actual sequence:\n"
                                       << Lines(actual);
}

PostedMessageRecorder::PostedMessageRecorder(std::vector<UINT> messages) : m_watched(std::move(messages))
{
    t_recorder = this;
    m_hook = SetWindowsHookExA(WH_GETMESSAGE, &Hook, nullptr, GetCurrentThreadId());
}

PostedMessageRecorder::~PostedMessageRecorder()
{
    UnhookWindowsHookEx(m_hook);
    t_recorder = nullptr;
}

std::vector<PostedMessage> PostedMessageRecorder::To(HWND window) const
{
    std::vector<PostedMessage> found;
    std::copy_if(m_messages.begin(), m_messages.end(), std::back_inserter(found),
                 [window](const PostedMessage& posted) { return posted.window == window; });
    return found;
}

LRESULT CALLBACK PostedMessageRecorder::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE && t_recorder != nullptr) {
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        const auto& watched = t_recorder->m_watched;
        if (std::find(watched.begin(), watched.end(), msg->message) != watched.end())
            t_recorder->m_messages.push_back({msg->hwnd, msg->message, msg->wParam, msg->lParam});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string MessageLog::MessageName(UINT message)
{
    switch (message) {
    case WM_GETMINMAXINFO: return "WM_GETMINMAXINFO";
    case WM_NCCREATE: return "WM_NCCREATE";
    case WM_NCCALCSIZE: return "WM_NCCALCSIZE";
    case WM_CREATE: return "WM_CREATE";
    case WM_DESTROY: return "WM_DESTROY";
    case WM_NCDESTROY: return "WM_NCDESTROY";
    case WM_COMMAND: return "WM_COMMAND";
    case WM_NOTIFY: return "WM_NOTIFY";
    case WM_TIMER: return "WM_TIMER";
    case WM_KEYDOWN: return "WM_KEYDOWN";
    case WM_CHAR: return "WM_CHAR";
    case WM_INITDIALOG: return "WM_INITDIALOG";
    case WM_DRAWITEM: return "WM_DRAWITEM";
    case WM_MEASUREITEM: return "WM_MEASUREITEM";
    case WM_CTLCOLORSTATIC: return "WM_CTLCOLORSTATIC";
    case WM_USER: return "WM_USER";
    default: return "0x" + [message] {
        char buffer[16];
        wsprintfA(buffer, "%04x", message);
        return std::string(buffer);
    }();
    }
}
