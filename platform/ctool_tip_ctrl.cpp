#include "platform/ctool_tip_ctrl.h"

#include "platform/text_conversion.h"

#include <string>

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {
constexpr size_t kTextCapacity = 1024;
}

bool CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, {0, 0, 0, 0}, parent, 0);
}

TTTOOLINFOW CToolTipCtrl::ToolInfo(CWnd* window, UINT_PTR toolId) const
{
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = window != nullptr ? window->GetSafeHwnd() : nullptr;
    info.uId = toolId;
    if (toolId == 0 && info.hwnd != nullptr) {
        info.uFlags = TTF_IDISHWND;
        info.uId = reinterpret_cast<UINT_PTR>(info.hwnd);
    }
    return info;
}

// Tip texts travel as UTF-16, as every text that reaches the screen does.
bool CToolTipCtrl::AddTool(CWnd* window, const char* text, const RECT* rect, UINT_PTR toolId)
{
    TTTOOLINFOW info = ToolInfo(window, rect != nullptr ? toolId : 0);
    if (rect != nullptr)
        info.rect = *rect;
    std::wstring wide = WideFromNarrow(text);
    info.lpszText = wide.data();
    return SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void CToolTipCtrl::DelTool(CWnd* window, UINT_PTR toolId)
{
    TTTOOLINFOW info = ToolInfo(window, toolId);
    SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(const char* text, CWnd* window, UINT_PTR toolId)
{
    TTTOOLINFOW info = ToolInfo(window, toolId);
    std::wstring wide = WideFromNarrow(text);
    info.lpszText = wide.data();
    SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

CString CToolTipCtrl::GetText(CWnd* window, UINT_PTR toolId) const
{
    TTTOOLINFOW info = ToolInfo(window, toolId);
    std::wstring text(kTextCapacity, L'\0');
    info.lpszText = text.data();
    SendMessage(TTM_GETTEXTW, kTextCapacity, reinterpret_cast<LPARAM>(&info));
    return NarrowFromWide(text.c_str());
}

int CToolTipCtrl::GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
void CToolTipCtrl::Activate(bool activate) { SendMessage(TTM_ACTIVATE, activate); }
void CToolTipCtrl::RelayEvent(MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
int CToolTipCtrl::SetMaxTipWidth(int width) { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width)); }
