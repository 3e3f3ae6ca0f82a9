#include "ui/controls/ui_combobox.h"

#include "platform/cdc.h"
#include "ui/controls/ui_bitmap_combobox.h"
#include "ui/controls/ui_control_tips.h"

#include <windowsx.h>
#undef SubclassWindow  // the macro would hide CWnd::SubclassWindow

#include <algorithm>

IMPLEMENT_DYNAMIC(UICombobox, CBCGPComboBox)

namespace {
constexpr DWORD kOverlayStyle = WS_CHILD | WS_VISIBLE | ES_READONLY;
constexpr int kOverlayInset = 4;
}  // namespace

UICombobox::UICombobox() = default;

UICombobox::~UICombobox()
{
    // While the members still live, so that the children are let go first.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

void UICombobox::EnableDataTip()
{
    m_bDataTipEnabled = true;
    SwitchToDataTip(m_toolTip, m_dataTip, *this);
}

void UICombobox::HideDataTip()
{
    if (m_bDataTipEnabled)
        ::HideDataTip(m_dataTip);
}

bool UICombobox::PreTranslateMessage(MSG* msg)
{
    if (m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.RelayEvent(msg);
    return CBCGPComboBox::PreTranslateMessage(msg);
}

void UICombobox::PreSubclassWindow()
{
    if (!IsBoundAtCreation() && m_toolTip.GetSafeHwnd() == nullptr)
        CreateControlToolTip(m_toolTip, *this, m_strTooltipText);
    CBCGPComboBox::PreSubclassWindow();
}

LRESULT UICombobox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
        return OnMouseMove(wParam, lParam);
    case WM_LBUTTONDOWN:
        HideDataTip();
        return m_bClicksEnabled ? CBCGPComboBox::WindowProc(message, wParam, lParam) : 0;
    case WM_TIMER:
        EndDataTipOnceLeft(m_dataTip, *this, wParam);
        break;
    case WM_LBUTTONDBLCLK:
        return m_bClicksEnabled ? CBCGPComboBox::WindowProc(message, wParam, lParam) : 0;
    case WM_CREATE:
        return OnCreate(wParam, lParam);
    case WM_SETFONT:
        return m_font.FollowSetFont(this, reinterpret_cast<HFONT>(wParam), m_bInFontChange);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        TakeOverChild(message, reinterpret_cast<HWND>(lParam));
        break;
    case WM_DESTROY:
        if (m_innerEdit.GetSafeHwnd() != nullptr)
            m_innerEdit.UnsubclassWindow();
        if (m_innerList.GetSafeHwnd() != nullptr)
            m_innerList.UnsubclassWindow();
        break;
    case WM_ENABLE: {
        const LRESULT result = CBCGPComboBox::WindowProc(message, wParam, lParam);
        OnEnable(wParam != FALSE);
        return result;
    }
    case WM_SHOWWINDOW: {
        const LRESULT result = CBCGPComboBox::WindowProc(message, wParam, lParam);
        if (m_spin.GetSafeHwnd() != nullptr)
            m_spin.ShowWindow(wParam != FALSE ? SW_SHOW : SW_HIDE);
        return result;
    }
    default:
        break;
    }
    return CBCGPComboBox::WindowProc(message, wParam, lParam);
}

bool UICombobox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_DROPDOWN) {
        SizeDropDown();
        *result = 0;
        return true;
    }
    return CBCGPComboBox::OnChildNotify(message, wParam, lParam, result);
}

LRESULT UICombobox::OnCreate(WPARAM wParam, LPARAM lParam)
{
    if (CBCGPComboBox::WindowProc(WM_CREATE, wParam, lParam) == -1 || !m_font.Init(this, false))
        return -1;
    CreateControlToolTip(m_toolTip, *this, m_strTooltipText);
    return 0;
}

LRESULT UICombobox::OnMouseMove(WPARAM wParam, LPARAM lParam)
{
    // While the combo box or its edit field has the focus, the mouse is left alone.
    const HWND focus = ::GetFocus();
    if (focus == m_hWnd || (focus != nullptr && focus == m_innerEdit.GetSafeHwnd()))
        return 0;
    const LRESULT result = CBCGPComboBox::WindowProc(WM_MOUSEMOVE, wParam, lParam);
    if (m_bDataTipEnabled)
        TrackDataTip(m_dataTip, *this, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return result;
}

void UICombobox::OnEnable(bool enable)
{
    if (m_pDisabledText != nullptr) {
        m_pDisabledText->DestroyWindow();
        m_pDisabledText.reset();
    }
    if (m_innerEdit.GetSafeHwnd() != nullptr) {
        m_innerEdit.EnableWindow(enable);
        m_innerEdit.Invalidate();
    }
    // A disabled drop-down list shows its selection in a read-only edit, over
    // the text area and clear of the drop-down button.
    if (!enable && (GetStyle() & 3) == CBS_DROPDOWNLIST && GetCurSel() != CB_ERR) {
        RECT area{};
        GetClientRect(&area);
        InflateRect(&area, -kOverlayInset, -kOverlayInset);
        area.right -= GetSystemMetrics(SM_CXHTHUMB);
        auto overlay = std::make_unique<UIEdit>();
        overlay->Create(kOverlayStyle, area, this, kDisabledTextId);
        if (overlay->GetSafeHwnd() != nullptr) {
            overlay->EnableWindow(false);
            overlay->SetWindowText(GetWindowText());
            m_pDisabledText = std::move(overlay);
        }
    }
    if (m_spin.GetSafeHwnd() != nullptr)
        m_spin.EnableWindow(enable);
}

void UICombobox::TakeOverChild(UINT message, HWND child)
{
    if (message == WM_CTLCOLOREDIT) {
        const bool overlay = m_pDisabledText != nullptr && child == m_pDisabledText->GetSafeHwnd();
        if (!overlay && m_innerEdit.GetSafeHwnd() == nullptr && m_innerEdit.SubclassWindow(child))
            m_innerEdit.SetFont(ChildFont());
    } else if (!IsKindOf(RUNTIME_CLASS(UIBitmapCombobox)) && m_innerList.GetSafeHwnd() == nullptr &&
               m_innerList.SubclassWindow(child)) {
        m_innerList.SetFont(ChildFont());
    }
}

HFONT UICombobox::ChildFont()
{
    if (m_childFont.GetSafeHandle() == nullptr)
        m_childFont.CreateFontIndirect(&m_font.GetLogFont());
    return m_childFont;
}

void UICombobox::SizeDropDown()
{
    const int count = GetCount();
    if (count <= 0)
        return;

    // As wide as the widest item, with room for a scroll bar and a character to spare.
    CClientDC dc(this);
    const HGDIOBJ previousFont = dc.SelectObject(GetFont());
    int widest = 0;
    for (int index = 0; index < count; ++index) {
        const CString text = GetLBText(index);
        widest = std::max(widest, static_cast<int>(dc.GetTextExtent(text, text.GetLength()).cx));
    }
    const int spare = dc.GetTextExtent("0", 1).cx;
    dc.SelectObject(previousFont);
    SetDroppedWidth(widest + GetSystemMetrics(SM_CXVSCROLL) + spare);

    // Tall enough for every item and two more, where the screen leaves room;
    // else as many whole items as fit on the roomier side.
    const int itemHeight = GetItemHeight(0);
    if (itemHeight <= 0)
        return;
    const int full = (std::max(count, 2) + 2) * itemHeight;
    RECT window{};
    GetWindowRect(&window);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int height = full;
    if (window.top - full < 0 || window.bottom + full > screenHeight) {
        const int rows = std::max(window.top / itemHeight, (screenHeight - window.bottom) / itemHeight);
        height = std::min(rows * itemHeight, full);
    }
    SetWindowPos(nullptr, 0, 0, window.right - window.left, height, SWP_NOMOVE | SWP_NOZORDER);
}
