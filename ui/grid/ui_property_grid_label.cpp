#include "ui/grid/ui_property_grid_label.h"

#include "platform/text_conversion.h"
#include "ui/grid/ui_property_grid.h"

#include <string>

IMPLEMENT_DYNAMIC(UIPropertyGridLabel, UILabel)

namespace {
constexpr COLORREF kNameColour = RGB(0, 0, 255);
constexpr int kTextIndent = 10;
constexpr int kDescriptionOffset = 20;
}  // namespace

void UIPropertyGridLabel::DrawItem(DRAWITEMSTRUCT* drawItem)
{
    const HDC dc = drawItem->hDC;
    RECT rect = drawItem->rcItem;
    ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));

    const HWND parent = ::GetParent(m_hWnd);
    const auto font = reinterpret_cast<HFONT>(::SendMessageA(parent, WM_GETFONT, 0, 0));
    if (font == nullptr)
        return;
    rect.left += kTextIndent;
    CString name;
    CString description;
    if (auto* grid = dynamic_cast<UIPropertyGrid*>(CWnd::FromHandlePermanent(parent)))
        grid->GetLabelTexts(name, description, -1);

    const HGDIOBJ previousFont = ::SelectObject(dc, font);
    const COLORREF previousColour = ::SetTextColor(dc, kNameColour);
    // Wide text: a narrow one would be read in the code page of the font's
    // character set, not in the process's (UTF-8) one.
    const std::wstring wideName = WideFromNarrow(name);
    const std::wstring wideDescription = WideFromNarrow(description);
    ::DrawTextW(dc, wideName.c_str(), static_cast<int>(wideName.size()), &rect, DT_VCENTER);
    ::SetTextColor(dc, previousColour);
    rect.top += kDescriptionOffset;
    ::DrawTextW(dc, wideDescription.c_str(), static_cast<int>(wideDescription.size()), &rect, DT_VCENTER);
    ::SelectObject(dc, previousFont);
}
