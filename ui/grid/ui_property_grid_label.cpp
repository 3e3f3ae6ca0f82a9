#include "ui/grid/ui_property_grid_label.h"

#include "platform/cdc.h"
#include "platform/window_accessible.h"
#include "ui/dialogs/window_dpi.h"
#include "ui/grid/ui_property_grid.h"

IMPLEMENT_DYNAMIC(UIPropertyGridLabel, UILabel)

namespace {
constexpr COLORREF kNameColour = RGB(0, 0, 255);
constexpr int kTextIndent = 10;
constexpr int kDescriptionOffset = 20;
}  // namespace

UIPropertyGridLabel::UIPropertyGridLabel()
{
    EnableActiveAccessibility();
}

void UIPropertyGridLabel::ShownTexts(CString& name, CString& description) const
{
    if (auto* grid = dynamic_cast<UIPropertyGrid*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd))))
        grid->GetLabelTexts(name, description, -1);
}

HRESULT UIPropertyGridLabel::get_accName(VARIANT child, BSTR* answer)
{
    if (AccessibleChildId(child, 0) != CHILDID_SELF)
        return UILabel::get_accName(child, answer);
    CString name;
    CString description;
    ShownTexts(name, description);
    return AccessibleText(name.IsEmpty() && description.IsEmpty() ? CString() : name + "\n" + description, answer);
}

void UIPropertyGridLabel::DrawItem(DRAWITEMSTRUCT* drawItem)
{
    const HDC dc = drawItem->hDC;
    RECT rect = drawItem->rcItem;
    ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));

    const HWND parent = ::GetParent(m_hWnd);
    const auto font = reinterpret_cast<HFONT>(::SendMessageA(parent, WM_GETFONT, 0, 0));
    if (font == nullptr)
        return;
    // The indent and the offset are pixels at 96 DPI: they grow with the
    // window's DPI as the font does, or the description would cover the name.
    const UINT dpi = WindowDpi(m_hWnd);
    rect.left += DpiScaled(kTextIndent, dpi);
    CString name;
    CString description;
    ShownTexts(name, description);

    CDC target;
    target.Attach(dc);
    const HGDIOBJ previousFont = target.SelectObject(font);
    const COLORREF previousColour = target.SetTextColor(kNameColour);
    target.DrawText(name, name.GetLength(), &rect, DT_VCENTER);
    target.SetTextColor(previousColour);
    rect.top += DpiScaled(kDescriptionOffset, dpi);
    target.DrawText(description, description.GetLength(), &rect, DT_VCENTER);
    target.SelectObject(previousFont);
    target.Detach();
}
