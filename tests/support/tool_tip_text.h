#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

// The text a tooltip window holds for one of its tools (the first when none
// is given): what the user reads when it shows.
inline std::string ToolTipText(HWND tipWindow, const TTTOOLINFOA* tool = nullptr)
{
    char text[1024] = {};
    TTTOOLINFOA asked{};
    if (tool != nullptr) {
        asked = *tool;
    } else {
        asked.cbSize = sizeof asked;
        if (!SendMessageA(tipWindow, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&asked)))
            return {};
    }
    asked.lpszText = text;
    SendMessageA(tipWindow, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&asked));
    return text;
}
