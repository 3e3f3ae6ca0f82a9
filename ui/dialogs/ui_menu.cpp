#include "ui/dialogs/ui_menu.h"

#include "platform/cdc.h"
#include "platform/cimage_list.h"
#include "platform/resource_image.h"
#include "platform/resource_module.h"
#include "ui/dialogs/window_dpi.h"

#include <uxtheme.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(UIMenu, CMenu)

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kSelectedFill = RGB(190, 208, 252);   // themed selected item
constexpr COLORREF kCheckedSelected = RGB(148, 179, 250);  // check cell, selected; image blend
constexpr COLORREF kChecked = RGB(192, 208, 252);          // check cell and image background
constexpr COLORREF kTransparentGrey = RGB(192, 192, 192);  // transparent colour of item images
constexpr int kClassicCheckCellWidth = 18;
constexpr int kImageTopMargin = 4;

// Draws one text of an item: embossed when disabled and not selected, flat
// grey when disabled and selected, else in the look's colour.
void DrawItemText(CDC& dc, const CString& text, RECT rect, UINT format, bool grayed, bool selected,
                  COLORREF textColor)
{
    if (grayed && !selected) {
        RECT raised = rect;
        OffsetRect(&raised, 1, 1);
        dc.SetTextColor(GetSysColor(COLOR_3DHILIGHT));
        dc.DrawText(text, text.GetLength(), &raised, format);
        dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
    } else {
        dc.SetTextColor(grayed ? GetSysColor(COLOR_GRAYTEXT) : textColor);
    }
    dc.DrawText(text, text.GetLength(), &rect, format);
}

}  // namespace

UIMenu::~UIMenu()
{
    for (int i = 0; i < m_arrItems.GetSize(); ++i)
        delete m_arrItems.GetAt(i);
    m_arrItems.RemoveAll();
    m_arrMenus.RemoveAll();
    DestroyMenu();
}

bool UIMenu::MakeOwnerDrawn(HMENU menu)
{
    m_arrMenus.Add(menu);
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        auto* item = new UIMenuItem(this);
        m_arrItems.Add(item);

        item->m_nCommandId = ::GetMenuItemID(menu, position);
        HMENU submenu = nullptr;
        if (item->m_nCommandId == static_cast<UINT>(-1)) {
            submenu = ::GetSubMenu(menu, position);
            MakeOwnerDrawn(submenu);
        }

        item->m_strText = CMenu::MenuItemText(menu, static_cast<UINT>(position), MF_BYPOSITION);
        item->m_nState = ::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
        if (submenu != nullptr)
            item->m_nState &= 0xFF;  // the high byte counts the submenu's items

        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_TYPE | MIIM_DATA | (submenu != nullptr ? MIIM_SUBMENU : 0);
        info.fType = MFT_OWNERDRAW;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
        info.hSubMenu = submenu;
        if (!::SetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info))
            return false;
    }
    return true;
}

void UIMenu::MeasureItem(MEASUREITEMSTRUCT* measureItem)
{
    const UIMenuItem* item = measureItem != nullptr ? UIMenuItem::FromItemData(measureItem->itemData) : nullptr;
    if (item == nullptr)
        return;
    if ((item->m_nState & MF_SEPARATOR) != 0) {
        measureItem->itemWidth = 0;
        measureItem->itemHeight = static_cast<UINT>(GetSystemMetrics(SM_CYMENU) / 2);
        return;
    }
    // The desktop's context carries the default font.
    CClientDC dc(GetDesktopWindow());
    const SIZE size = dc.GetTextExtent(item->m_strText, item->m_strText.GetLength());
    measureItem->itemWidth = static_cast<UINT>(size.cx + 12);
    measureItem->itemHeight = static_cast<UINT>(size.cy + 8);

    // Above 96 DPI the item is drawn in the menu font of that DPI, which the
    // desktop's default font need not follow (Wine's keeps its size, and the
    // text was cut off): the item is at least as large as that text, after
    // the text's indent, with the margins grown with the DPI. The DPI is that
    // of the window the menu opens for, the active one.
    const int dpi = static_cast<int>(WindowDpi(GetActiveWindow()));
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (dpi == USER_DEFAULT_SCREEN_DPI ||
        !SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
        return;
    const HFONT menuFont = CreateFontIndirectW(&metrics.lfMenuFont);
    if (menuFont == nullptr)
        return;
    const HGDIOBJ previous = dc.SelectObject(menuFont);
    const SIZE drawn = dc.GetTextExtent(item->m_strText, item->m_strText.GetLength());
    dc.SelectObject(previous);
    DeleteObject(menuFont);
    const auto width = static_cast<UINT>(drawn.cx + kThemedTextIndent + MulDiv(12, dpi, USER_DEFAULT_SCREEN_DPI));
    const auto height = static_cast<UINT>(drawn.cy + MulDiv(8, dpi, USER_DEFAULT_SCREEN_DPI));
    measureItem->itemWidth = std::max(measureItem->itemWidth, width);
    measureItem->itemHeight = std::max(measureItem->itemHeight, height);
}

void UIMenu::DrawItem(DRAWITEMSTRUCT* drawItem)
{
    Draw(drawItem, IsThemeActive() != FALSE);
}

void UIMenu::DrawThemedItem(const DRAWITEMSTRUCT* drawItem)
{
    Draw(drawItem, true);
}

void UIMenu::DrawClassicItem(const DRAWITEMSTRUCT* drawItem)
{
    Draw(drawItem, false);
}

void UIMenu::Draw(const DRAWITEMSTRUCT* drawItem, bool themed)
{
    const UIMenuItem* item = drawItem != nullptr ? UIMenuItem::FromItemData(drawItem->itemData) : nullptr;
    if (item == nullptr || drawItem->hDC == nullptr)
        return;
    CDC dc;
    dc.Attach(drawItem->hDC);
    const RECT rect = drawItem->rcItem;
    const bool selected = (drawItem->itemState & ODS_SELECTED) != 0;
    const bool grayed = (drawItem->itemState & ODS_GRAYED) != 0;
    const bool checked = (drawItem->itemState & ODS_CHECKED) != 0;
    const bool noAccel = (drawItem->itemState & ODS_NOACCEL) != 0;
    BOOL keyboardCues = FALSE;
    SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &keyboardCues, 0);
    const int saved = dc.SaveDC();

    const RECT imageColumn{rect.left, rect.top, rect.left + kImageColumnWidth, rect.bottom};
    const int middle = rect.top + (rect.bottom - rect.top) / 2;
    if (item->m_nCommandId == 0) {
        RECT line{rect.left, middle, rect.right, rect.bottom};
        if (themed) {
            dc.FillSolidRect(imageColumn, GetSysColor(COLOR_BTNFACE));
            line.left += kThemedTextIndent;
        }
        dc.DrawEdge(&line, EDGE_ETCHED, BF_TOP);
        dc.RestoreDC(saved);
        dc.Detach();
        return;
    }

    const COLORREF textColor =
        themed ? RGB(0, 0, 0) : GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    const COLORREF previousBackground = dc.SetBkColor(GetSysColor(selected ? COLOR_MENUHILIGHT : COLOR_MENU));
    if (themed) {
        dc.FillSolidRect(rect, selected ? kSelectedFill : previousBackground);
        if (selected) {
            CBrush blue;
            blue.CreateSolidBrush(kBlue);
            dc.FrameRect(rect, blue);
        } else {
            dc.FillSolidRect(imageColumn, GetSysColor(COLOR_BTNFACE));
        }
        if (checked) {
            dc.FillSolidRect(imageColumn, selected ? kCheckedSelected : kChecked);
            CBrush blue;
            blue.CreateSolidBrush(kBlue);
            dc.FrameRect(imageColumn, blue);
        }
    } else {
        dc.FillSolidRect(rect, selected ? GetSysColor(COLOR_HIGHLIGHT) : previousBackground);
        if (checked) {
            const RECT cell{rect.left, rect.top + 2, rect.left + kClassicCheckCellWidth, rect.bottom - 2};
            dc.Draw3dRect(cell, GetSysColor(COLOR_BTNSHADOW), RGB(255, 255, 255));
        }
    }

    {
        CResourceModuleScope module(item->m_hResourceModule);
        DrawImage(dc, *item, drawItem, themed);
    }

    CString text = item->m_strText;
    if (noAccel && !keyboardCues)
        text.Remove('&');
    dc.SetBkMode(TRANSPARENT);
    RECT textRect = rect;
    textRect.left += themed ? kThemedTextIndent : m_nImageWidth + 4;
    DrawItemText(dc, text, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE, grayed, selected, textColor);
    DrawItemText(dc, item->m_strShortcut + " ", textRect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE, grayed, selected,
                 textColor);

    dc.RestoreDC(saved);
    dc.Detach();
}

void UIMenu::DrawImage(CDC& dc, const UIMenuItem& item, const DRAWITEMSTRUCT* drawItem, bool themed)
{
    const bool selected = (drawItem->itemState & ODS_SELECTED) != 0;
    const bool grayed = (drawItem->itemState & ODS_GRAYED) != 0;
    const bool checked = (drawItem->itemState & ODS_CHECKED) != 0;

    UINT id = item.m_nImageResourceId;
    if (id == 0 && checked && item.m_pBitmap == nullptr)
        id = themed ? kThemedCheckImage : kClassicCheckImage;
    CBitmap resourceImage;
    const CBitmap* image = nullptr;
    if (id != 0) {
        // The image list knows a transparent colour, not alpha.
        if (AfxLoadResourceImage(id, kTransparentGrey, resourceImage))
            image = &resourceImage;
    } else {
        image = item.m_pBitmap;  // borrowed; the item keeps it
    }
    BITMAP info{};
    if (image == nullptr || !image->GetBitmap(&info))
        return;

    const int x = themed ? 4 : (checked ? 1 : 0);
    const int y = drawItem->rcItem.top + kImageTopMargin;
    if (grayed) {
        AfxDrawGrayBitmap(&dc, x, y, *image, GetSysColor(themed ? COLOR_BTNFACE : COLOR_MENU));
        return;
    }
    m_nImageWidth = info.bmWidth;
    const int width = info.bmWidth;
    CImageList images;
    if (!images.Create(width, width, ILC_COLOR24 | ILC_MASK, 1, 0) ||
        images.Add(static_cast<HBITMAP>(image->m_hObject), kTransparentGrey) < 0)
        return;
    if (!checked)
        images.DrawEx(dc, 0, {x, y}, {width, width}, CLR_NONE, CLR_DEFAULT, ILD_TRANSPARENT);
    else if (selected)
        images.DrawEx(dc, 0, {x, y}, {width, width}, CLR_NONE, kCheckedSelected, ILD_BLEND50);
    else
        images.DrawEx(dc, 0, {x, y}, {width, width}, kChecked, CLR_DEFAULT, ILD_NORMAL);
}
