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

std::vector<std::string> MessageLog::Only(const std::vector<UINT>& messages) const
{
    std::vector<std::string> selected;
    for (const std::string& entry : m_entries) {
        const std::string name = entry.substr(entry.find(':') + 1);
        if (std::any_of(messages.begin(), messages.end(), [&](UINT message) { return name == MessageName(message); }))
            selected.push_back(entry);
    }
    return selected;
}

testing::AssertionResult MessageLog::EndsWith(const std::vector<std::string>& expected) const
{
    const size_t skipped = m_entries.size() > expected.size() ? m_entries.size() - expected.size() : 0;
    if (SameSequence(expected, {m_entries.begin() + static_cast<std::ptrdiff_t>(skipped), m_entries.end()}))
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
#define KAC_NAME(m) {m, #m}
    static const std::pair<UINT, const char*> kNames[] = {
        KAC_NAME(WM_GETMINMAXINFO), KAC_NAME(WM_NCCREATE), KAC_NAME(WM_NCCALCSIZE), KAC_NAME(WM_CREATE),
        KAC_NAME(WM_DESTROY), KAC_NAME(WM_NCDESTROY), KAC_NAME(WM_COMMAND), KAC_NAME(WM_NOTIFY), KAC_NAME(WM_TIMER),
        KAC_NAME(WM_KEYDOWN), KAC_NAME(WM_CHAR), KAC_NAME(WM_INITDIALOG), KAC_NAME(WM_DRAWITEM),
        KAC_NAME(WM_MEASUREITEM), KAC_NAME(WM_CTLCOLORSTATIC), KAC_NAME(WM_USER)};
#undef KAC_NAME
    for (const auto& [number, name] : kNames)
        if (number == message)
            return name;
    char hex[16];
    wsprintfA(hex, "0x%04x", message);
    return hex;
}
