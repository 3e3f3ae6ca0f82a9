#include "platform/ctool_tip_ctrl.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {
constexpr size_t kTextCapacity = 1024;
}

bool CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, {0, 0, 0, 0}, parent, 0);
}

TTTOOLINFOA CToolTipCtrl::ToolInfo(CWnd* window, UINT_PTR toolId) const
{
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = window != nullptr ? window->GetSafeHwnd() : nullptr;
    info.uId = toolId;
    if (toolId == 0 && info.hwnd != nullptr) {
        info.uFlags = TTF_IDISHWND;
        info.uId = reinterpret_cast<UINT_PTR>(info.hwnd);
    }
    return info;
}

bool CToolTipCtrl::AddTool(CWnd* window, const char* text, const RECT* rect, UINT_PTR toolId)
{
    TTTOOLINFOA info = ToolInfo(window, rect != nullptr ? toolId : 0);
    if (rect != nullptr)
        info.rect = *rect;
    info.lpszText = const_cast<char*>(text != nullptr ? text : "");
    return SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void CToolTipCtrl::DelTool(CWnd* window, UINT_PTR toolId)
{
    TTTOOLINFOA info = ToolInfo(window, toolId);
    SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(const char* text, CWnd* window, UINT_PTR toolId)
{
    TTTOOLINFOA info = ToolInfo(window, toolId);
    info.lpszText = const_cast<char*>(text != nullptr ? text : "");
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

CString CToolTipCtrl::GetText(CWnd* window, UINT_PTR toolId) const
{
    TTTOOLINFOA info = ToolInfo(window, toolId);
    CString text;
    info.lpszText = text.GetBuffer(kTextCapacity);
    info.lpszText[0] = '\0';
    SendMessage(TTM_GETTEXTA, kTextCapacity, reinterpret_cast<LPARAM>(&info));
    text.ReleaseBuffer();
    return text;
}

int CToolTipCtrl::GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
void CToolTipCtrl::Activate(bool activate) { SendMessage(TTM_ACTIVATE, activate); }
void CToolTipCtrl::RelayEvent(MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
int CToolTipCtrl::SetMaxTipWidth(int width) { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width)); }
