#include "ui/controls/ui_control_tips.h"

#include "platform/ctool_tip_ctrl.h"
#include "ui/dialogs/ui_data_tip.h"

namespace {
constexpr UINT kDataTipTimerMs = 80;
}  // namespace

bool CreateControlToolTip(CToolTipCtrl& toolTip, CWnd& control, const CString& text)
{
    if (!toolTip.Create(&control, TTS_ALWAYSTIP))
        return false;
    toolTip.AddTool(&control, text);
    toolTip.Activate(true);
    return true;
}

void SwitchToDataTip(CToolTipCtrl& toolTip, UIDataTip& dataTip, CWnd& control)
{
    if (toolTip.GetSafeHwnd() != nullptr)
        toolTip.DestroyWindow();
    if (dataTip.GetTipWindow() == nullptr)
        dataTip.Create(&control);
    else
        SendMessageA(dataTip.GetTipWindow(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&dataTip.GetToolInfo()));
}

bool TrackDataTip(UIDataTip& dataTip, CWnd& control, POINT point)
{
    if (!dataTip.Track(point))
        return false;
    control.SetTimer(kDataTipTimer, kDataTipTimerMs);
    return true;
}

bool EndDataTipOnceLeft(const UIDataTip& dataTip, CWnd& control, UINT_PTR timer)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    control.ScreenToClient(&cursor);
    RECT client{};
    control.GetClientRect(&client);
    if (PtInRect(&client, cursor))
        return false;
    control.KillTimer(timer);
    HideDataTip(dataTip);
    return true;
}

void HideDataTip(const UIDataTip& dataTip)
{
    if (dataTip.GetTipWindow() != nullptr)
        SendMessageA(dataTip.GetTipWindow(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&dataTip.GetToolInfo()));
}
