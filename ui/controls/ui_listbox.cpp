#include "ui/controls/ui_listbox.h"

#include "ui/controls/ui_control_tips.h"

#include <windowsx.h>

IMPLEMENT_DYNAMIC(UIListbox, CBCGPListBox)

namespace {
constexpr UINT_PTR kClientAreaTool = 1;
}  // namespace

void UIListbox::EnableDataTip()
{
    m_bDataTipEnabled = true;
    SwitchToDataTip(m_toolTip, m_dataTip, *this);
}

void UIListbox::HideDataTip()
{
    if (m_bDataTipEnabled)
        ::HideDataTip(m_dataTip);
}

bool UIListbox::PreTranslateMessage(MSG* msg)
{
    if (m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.RelayEvent(msg);
    return CBCGPListBox::PreTranslateMessage(msg);
}

void UIListbox::PreSubclassWindow()
{
    if (IsBoundAtCreation()) {
        CBCGPListBox::PreSubclassWindow();
        return;
    }
    if (m_toolTip.GetSafeHwnd() == nullptr && m_toolTip.Create(this, 0)) {
        RECT client{};
        GetClientRect(&client);
        m_toolTip.AddTool(this, m_strTooltipText, &client, kClientAreaTool);
    }
    CBCGPListBox::PreSubclassWindow();
    m_font.Init(this, false);
}

LRESULT UIListbox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        if (CBCGPListBox::WindowProc(message, wParam, lParam) == -1)
            return -1;
        m_font.Init(this, false);  // a list box without a font of its own still works
        CreateControlToolTip(m_toolTip, *this, m_strTooltipText);
        return 0;
    case WM_MOUSEMOVE:
        if (m_bDataTipEnabled)
            TrackDataTip(m_dataTip, *this, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    case WM_LBUTTONDOWN:
        HideDataTip();
        break;
    case WM_TIMER:
        EndDataTipOnceLeft(m_dataTip, *this, wParam);
        break;
    default:
        break;
    }
    return CBCGPListBox::WindowProc(message, wParam, lParam);
}
