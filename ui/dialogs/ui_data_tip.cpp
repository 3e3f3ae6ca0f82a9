#include "ui/dialogs/ui_data_tip.h"

#include "platform/ccombo_box.h"
#include "platform/cdc.h"
#include "platform/clist_box.h"
#include "platform/cwnd.h"
#include "ui/dialogs/ui_data_tip_owner.h"

IMPLEMENT_DYNAMIC(UIDataTip, CObject)

namespace {

constexpr UINT kToolInfoSize = 64;  // the tool record without its reserved tail
constexpr int kFitMargin = 6;

int TextWidth(CWnd* owner, const CString& text)
{
    CClientDC dc(owner);
    if (dc.GetSafeHdc() == nullptr)
        return 0;
    const HFONT font = owner->GetFont();
    const HGDIOBJ previous = font != nullptr ? dc.SelectObject(font) : nullptr;
    const int width = dc.GetTextExtent(text, text.GetLength()).cx;
    if (previous != nullptr)
        dc.SelectObject(previous);
    return width;
}

}  // namespace

UIDataTip::UIDataTip() : m_toolInfo{}
{
    m_toolInfo.cbSize = kToolInfoSize;
}

UIDataTip::UIDataTip(const UIDataTip& other)
    : CObject(other), m_pOwner(other.m_pOwner), m_toolInfo(other.m_toolInfo), m_hWndTip(other.m_hWndTip),
      m_strTipText(other.m_strTipText)
{
    m_toolInfo.lpszText = const_cast<char*>(m_strTipText.GetString());
}

UIDataTip& UIDataTip::operator=(const UIDataTip& other)
{
    if (this != &other) {
        m_pOwner = other.m_pOwner;
        m_toolInfo = other.m_toolInfo;
        m_hWndTip = other.m_hWndTip;
        m_strTipText = other.m_strTipText;
        m_toolInfo.lpszText = const_cast<char*>(m_strTipText.GetString());
    }
    return *this;
}

UIDataTip::~UIDataTip() = default;

bool UIDataTip::Create(CWnd* owner)
{
    if (owner == nullptr)
        return false;
    m_pOwner = owner;
    m_hWndTip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, TTS_NOPREFIX | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner->GetSafeHwnd(),
                                nullptr, GetModuleHandleA(nullptr), nullptr);

    m_toolInfo.cbSize = kToolInfoSize;
    m_toolInfo.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    m_toolInfo.hwnd = owner->GetSafeHwnd();
    m_toolInfo.uId = 0;
    m_toolInfo.lpszText = const_cast<char*>(m_strTipText.GetString());
    if (m_hWndTip == nullptr)
        return true;  // Track still computes its answer

    SendMessageA(m_hWndTip, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN));
    SendMessageA(m_hWndTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&m_toolInfo));
    SetColors(COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT);
    RECT margins{0, -1, 0, -1};
    SendMessageA(m_hWndTip, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margins));
    SendMessageA(m_hWndTip, WM_SETFONT, static_cast<WPARAM>(owner->SendMessage(WM_GETFONT)), FALSE);
    return true;
}

bool UIDataTip::Track(POINT point)
{
    if (m_pOwner == nullptr)
        return false;
    const bool listBox = m_pOwner->IsKindOf(RUNTIME_CLASS(CListBox));
    const bool comboBox = m_pOwner->IsKindOf(RUNTIME_CLASS(CComboBox));
    const auto* toolkitOwner = dynamic_cast<const UIDataTipOwner*>(m_pOwner);

    RECT area{};
    m_pOwner->GetClientRect(&area);
    if (comboBox)
        area.right -= GetSystemMetrics(SM_CXHTHUMB) + 2;  // leave the drop-down button alone
    else if (toolkitOwner != nullptr)
        area.right -= toolkitOwner->GetDataTipExcludedWidth();
    if (!PtInRect(&area, point)) {
        Activate(false);
        return false;
    }

    CString text;
    RECT item{};  // a list box's tip lies exactly over the item
    bool overItem = false;
    if (listBox) {
        const auto* list = static_cast<CListBox*>(m_pOwner);
        bool outside = true;
        const int index = static_cast<int>(list->ItemFromPoint(point, outside));
        if (!outside && list->GetItemRect(index, &item) != LB_ERR) {
            text = list->GetText(index);
            overItem = true;
        }
    } else if (toolkitOwner != nullptr && toolkitOwner->GetDataTipCell(point, &text, &area)) {
        // The cell's text, measured against the cell and shown at its corner.
    } else if ((m_pOwner->GetStyle() & CBS_OWNERDRAWFIXED) != 0) {
        // An owner-drawn combo box has no text of its own: its selection's. Any
        // other window with that style bit has no selection either.
        if (comboBox) {
            const auto* combo = static_cast<CComboBox*>(m_pOwner);
            text = combo->GetLBText(combo->GetCurSel());
        }
    } else {
        text = m_pOwner->GetWindowText();
    }

    if (TextWidth(m_pOwner, text) <= (area.right - area.left) - kFitMargin) {
        Activate(false);
        return false;
    }

    // A focused control shows its text highlighted; a list box highlights its
    // selection itself, so its tip stays in window colours.
    if (GetFocus() == m_pOwner->GetSafeHwnd() && !listBox)
        SetColors(COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT);
    else
        SetColors(COLOR_WINDOWTEXT, COLOR_WINDOW);
    SetTipText(text);
    m_pOwner->ClientToScreen(&area);
    m_pOwner->ClientToScreen(&item);
    const POINT place = overItem ? POINT{item.left, item.top} : POINT{area.left + 1, area.top + 3};
    if (m_hWndTip != nullptr)
        SendMessageA(m_hWndTip, TTM_TRACKPOSITION, 0, MAKELPARAM(place.x, place.y));
    Activate(true);
    return true;
}

void UIDataTip::Activate(bool show)
{
    if (m_hWndTip != nullptr)
        SendMessageA(m_hWndTip, TTM_TRACKACTIVATE, show ? TRUE : FALSE, reinterpret_cast<LPARAM>(&m_toolInfo));
}

void UIDataTip::SetColors(int textColorIndex, int backgroundColorIndex)
{
    if (m_hWndTip == nullptr)
        return;
    SendMessageA(m_hWndTip, TTM_SETTIPBKCOLOR, GetSysColor(backgroundColorIndex), 0);
    SendMessageA(m_hWndTip, TTM_SETTIPTEXTCOLOR, GetSysColor(textColorIndex), 0);
}

void UIDataTip::SetTipText(const CString& text)
{
    m_strTipText = text;
    m_toolInfo.cbSize = kToolInfoSize;
    m_toolInfo.lpszText = const_cast<char*>(m_strTipText.GetString());
    if (m_hWndTip != nullptr)
        SendMessageA(m_hWndTip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&m_toolInfo));
}
