#include "ui/controls/ui_edit.h"

#include "ui/controls/ui_control_tips.h"

#include <windowsx.h>

IMPLEMENT_DYNAMIC(UIEdit, CBCGPEdit)

namespace {
constexpr COLORREF kLightYellow = RGB(255, 255, 128);
}  // namespace

UIEdit::UIEdit() : m_crHighlight(kLightYellow)
{
    m_brHighlight.CreateSolidBrush(m_crHighlight);
    m_brFace.CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    m_brWindow.CreateSolidBrush(GetSysColor(COLOR_WINDOW));
}

UIEdit::~UIEdit() = default;

bool UIEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    m_bFontReady = false;
    const bool created = CBCGPEdit::Create(style, rect, parent, id);
    const bool fontSetUp = created && m_font.Init(this, false);
    m_bFontReady = true;
    return created && fontSetUp;
}

void UIEdit::EnableDataTip(bool enable)
{
    m_bDataTipEnabled = enable;
    if (enable && m_dataTip.GetTipWindow() == nullptr && m_hWnd != nullptr)
        m_dataTip.Create(this);
}

LRESULT UIEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE: {
        const LRESULT result = CBCGPEdit::WindowProc(message, wParam, lParam);
        if (::GetFocus() != m_hWnd && m_bDataTipEnabled && !m_bTipTracking &&
            TrackDataTip(m_dataTip, *this, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
            m_bTipTracking = true;
        return result;
    }
    case WM_TIMER:
        if (EndDataTipOnceLeft(m_dataTip, *this, wParam))
            m_bTipTracking = false;
        break;
    case WM_LBUTTONDOWN:
        if (m_bDataTipEnabled)
            HideDataTip(m_dataTip);
        break;
    case WM_ENABLE:
        if (m_spinBuddy.GetSafeHwnd() != nullptr)
            m_spinBuddy.EnableWindow(wParam != FALSE);
        break;
    case WM_SETFONT:
        return m_font.FollowSetFont(this, reinterpret_cast<HFONT>(wParam), m_bInFontChange, m_bFontReady);
    case WM_SHOWWINDOW: {
        const LRESULT result = CBCGPEdit::WindowProc(message, wParam, lParam);
        if (m_spinBuddy.GetSafeHwnd() != nullptr)
            m_spinBuddy.ShowWindow(wParam != FALSE ? SW_SHOW : SW_HIDE);
        return result;
    }
    default:
        break;
    }
    return CBCGPEdit::WindowProc(message, wParam, lParam);
}

bool UIEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) {
        CDC dc;
        dc.Attach(reinterpret_cast<HDC>(wParam));
        const HBRUSH brush = CtlColor(dc, message);
        dc.Detach();
        if (brush != nullptr) {
            *result = reinterpret_cast<LRESULT>(brush);
            return true;
        }
    }
    return CBCGPEdit::OnChildNotify(message, wParam, lParam, result);
}

HBRUSH UIEdit::CtlColor(CDC& dc, UINT)
{
    if (IsWindowEnabled())
        return m_brWindow;
    dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
    return m_brFace;
}
