#include "tests/support/message_log.h"

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
