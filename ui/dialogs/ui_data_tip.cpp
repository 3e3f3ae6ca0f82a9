#include "ui/dialogs/ui_data_tip.h"

#include "platform/ccombo_box.h"
#include "platform/clist_box.h"
#include "platform/cwnd.h"
#include "ui/dialogs/ui_cell_hit_test.h"

#include <cstring>

IMPLEMENT_DYNAMIC(UIDataTip, CObject)

namespace {

constexpr UINT kToolInfoSize = 64;  // the tool record without its reserved tail
constexpr int kFitMargin = 6;
constexpr DWORD kOwnerDrawFixed = 0x10;

// The toolkit's list control and file/folder edit live above this folder;
// their kind is told by the names in their run-time class chain.
bool IsKindOfClassNamed(const CObject* object, const char* className)
{
    for (const CRuntimeClass* runtimeClass = object->GetRuntimeClass(); runtimeClass != nullptr;
         runtimeClass = runtimeClass->m_pBaseClass) {
        if (std::strcmp(runtimeClass->m_lpszClassName, className) == 0)
            return true;
    }
    return false;
}

int TextWidth(HWND owner, const CString& text)
{
    const HDC dc = GetDC(owner);
    if (dc == nullptr)
        return 0;
    const auto font = reinterpret_cast<HFONT>(SendMessageA(owner, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
    SIZE size{};
    GetTextExtentPoint32A(dc, text, text.GetLength(), &size);
    if (previous != nullptr)
        SelectObject(dc, previous);
    ReleaseDC(owner, dc);
    return size.cx;
}

CString ListCellText(HWND list, int row, int column)
{
    char buffer[1024] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(sizeof buffer);
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return CString(buffer);
}

CString ComboSelectionText(HWND combo)
{
    const auto selection = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    CString text;
    const int length = static_cast<int>(SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selection), 0));
    if (length > 0) {
        char* buffer = text.GetBuffer(length + 1);
        const int copied = static_cast<int>(SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selection),
                                                         reinterpret_cast<LPARAM>(buffer)));
        text.ReleaseBuffer(copied > 0 ? copied : 0);
    }
    return text;
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
    const HWND owner = m_pOwner->GetSafeHwnd();
    const bool listBox = m_pOwner->IsKindOf(RUNTIME_CLASS(CListBox));

    RECT area{};
    m_pOwner->GetClientRect(&area);
    if (m_pOwner->IsKindOf(RUNTIME_CLASS(CComboBox)))
        area.right -= GetSystemMetrics(SM_CXHTHUMB) + 2;  // leave the drop-down button alone
    else if (IsKindOfClassNamed(m_pOwner, "UIEditFileFolder"))
        area.right -= HIWORD(m_pOwner->SendMessage(EM_GETMARGINS));  // leave the browse button alone
    if (!PtInRect(&area, point)) {
        Activate(false);
        return false;
    }
    m_pOwner->ClientToScreen(&area);

    CString text;
    POINT place{area.left + 1, area.top + 3};
    if (listBox) {
        const auto* list = static_cast<CListBox*>(m_pOwner);
        bool outside = true;
        const int item = static_cast<int>(list->ItemFromPoint(point, outside));
        RECT itemRect{};
        if (!outside && list->GetItemRect(item, &itemRect) != LB_ERR) {
            text = list->GetText(item);
            m_pOwner->ClientToScreen(&itemRect);
            place = {itemRect.left, itemRect.top};
        }
    } else if (IsKindOfClassNamed(m_pOwner, "UIListCtrl") &&
               (m_pOwner->GetStyle() & LVS_TYPEMASK) == LVS_REPORT) {
        RECT cell{};
        int column = 0;
        const auto* cells = dynamic_cast<const UICellHitTest*>(m_pOwner);
        const int row = cells != nullptr ? cells->HitTestCell(point, &cell, &column) : -1;
        if (row >= 0) {
            text = ListCellText(owner, row, column);
            m_pOwner->ClientToScreen(&cell);
            area = cell;
            place = {area.left + 1, area.top + 3};
        }
    } else if ((m_pOwner->GetStyle() & kOwnerDrawFixed) != 0) {
        text = ComboSelectionText(owner);  // an owner-drawn combo box has no text of its own
    } else {
        text = m_pOwner->GetWindowText();
    }

    if (TextWidth(owner, text) <= (area.right - area.left) - kFitMargin) {
        Activate(false);
        return false;
    }

    // A focused control shows its text highlighted; a list box highlights its
    // selection itself, so its tip stays in window colours.
    if (GetFocus() == owner && !listBox)
        SetColors(COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT);
    else
        SetColors(COLOR_WINDOWTEXT, COLOR_WINDOW);
    SetTipText(text);
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
