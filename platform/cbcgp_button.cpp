#include "platform/cbcgp_button.h"

#include "platform/cimage_list.h"
#include "platform/resource_image.h"

#include <uxtheme.h>
#include <vssym32.h>

IMPLEMENT_DYNAMIC(CBCGPButton, CButton)

namespace {

constexpr COLORREF kTransparentGrey = RGB(192, 192, 192);
constexpr int kFaceMargin = 2;
constexpr int kImageTextGap = 4;

SIZE IconSize(HICON icon)
{
    ICONINFO info{};
    SIZE size{};
    if (icon == nullptr || !GetIconInfo(icon, &info))
        return size;
    BITMAP bitmap{};
    if (GetObjectA(info.hbmMask, sizeof bitmap, &bitmap) == sizeof bitmap) {
        size.cx = bitmap.bmWidth;
        size.cy = info.hbmColor != nullptr ? bitmap.bmHeight : bitmap.bmHeight / 2;  // a monochrome icon stacks two masks
    }
    if (info.hbmColor != nullptr)
        DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return size;
}

}  // namespace

CBCGPButton::~CBCGPButton()
{
    DestroyImage();
}

void CBCGPButton::DestroyImage()
{
    if (m_hIcon != nullptr && m_bAutoDestroyImage)
        DestroyIcon(m_hIcon);
    m_hIcon = nullptr;
}

void CBCGPButton::SetImage(HICON icon, bool autoDestroy)
{
    if (icon != m_hIcon)
        DestroyImage();
    m_hIcon = icon;
    m_bAutoDestroyImage = autoDestroy;
    if (m_hWnd != nullptr)
        Invalidate();
}

bool CBCGPButton::SetImage(UINT resourceId)
{
    CBitmap image;
    BITMAP info{};
    CImageList images;
    if (!AfxLoadResourceImage(resourceId, kTransparentGrey, image) || !image.GetBitmap(&info) ||
        !images.Create(info.bmWidth, info.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0) ||
        images.Add(image, kTransparentGrey) < 0) {
        SetImage(nullptr, false);
        return false;
    }
    SetImage(ImageList_GetIcon(images, 0, ILD_NORMAL), true);
    return m_hIcon != nullptr;
}

void CBCGPButton::SetTooltip(const char* text)
{
    m_strTooltip = text;
    if (m_toolTip.GetSafeHwnd() == nullptr) {
        if (!m_toolTip.Create(this, TTS_ALWAYSTIP))
            return;
        m_toolTip.AddTool(this, m_strTooltip);
        m_toolTip.Activate(true);
        return;
    }
    m_toolTip.UpdateTipText(m_strTooltip, this);
}

bool CBCGPButton::IsChecked() const
{
    return (m_bCheckButton || m_bRadioButton) && GetCheck() == BST_CHECKED;
}

CPoint CBCGPButton::CenteredImageOrigin(const RECT& client, SIZE image)
{
    CRect area(client);
    area.DeflateRect(kFaceMargin, kFaceMargin);
    const CPoint centre = area.CenterPoint();
    return CPoint(centre.x - image.cx / 2, centre.y - image.cy / 2);
}

void CBCGPButton::PreSubclassWindow()
{
    const UINT type = GetStyle() & BS_TYPEMASK;
    m_bCheckButton = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
    m_bRadioButton = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
    m_bOwnerDrawn = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW;
    if (m_bOwnerDrawn) {
        m_bDefaultButton = type == BS_DEFPUSHBUTTON;
        ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
        Invalidate();
    }
    CButton::PreSubclassWindow();
}

LRESULT CBCGPButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_toolTip.GetSafeHwnd() != nullptr && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        MSG msg{m_hWnd, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
        m_toolTip.RelayEvent(&msg);
    }
    if (m_bOwnerDrawn) {
        switch (message) {
        case WM_GETDLGCODE:
            // An owner-drawn button has no default look of its own; the dialog
            // still moves the default between push buttons through us.
            return DLGC_BUTTON | (m_bDefaultButton ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        case BM_SETSTYLE:
            m_bDefaultButton = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
            return CButton::WindowProc(message, (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW, lParam);
        default:
            break;
        }
    }
    return CButton::WindowProc(message, wParam, lParam);
}

bool CBCGPButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM && m_bOwnerDrawn) {
        DrawFace(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        *result = TRUE;
        return true;
    }
    return CButton::OnChildNotify(message, wParam, lParam, result);
}

void CBCGPButton::DrawFace(const DRAWITEMSTRUCT& item)
{
    CDC dc;
    dc.Attach(item.hDC);
    const int saved = dc.SaveDC();
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    CRect face(item.rcItem);

    HTHEME theme = IsThemeActive() ? OpenThemeData(m_hWnd, L"BUTTON") : nullptr;
    if (theme != nullptr) {
        const int state = disabled ? PBS_DISABLED : pushed ? PBS_PRESSED : m_bDefaultButton ? PBS_DEFAULTED : PBS_NORMAL;
        DrawThemeParentBackground(m_hWnd, dc, &face);
        DrawThemeBackground(theme, dc, BP_PUSHBUTTON, state, &face, nullptr);
        CloseThemeData(theme);
    } else {
        CRect frame = face;
        if (m_bDefaultButton) {
            dc.FrameRect(frame, GetSysColorBrush(COLOR_WINDOWFRAME));
            frame.DeflateRect(1, 1);
        }
        DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    }

    CRect client;
    GetClientRect(&client);
    const CPoint shift = pushed ? CPoint(1, 1) : CPoint(0, 0);
    const CString text = GetWindowText();
    const SIZE imageSize = IconSize(m_hIcon);
    CRect textArea = client;
    textArea.DeflateRect(kFaceMargin, kFaceMargin);
    if (m_hIcon != nullptr) {
        CPoint origin = CenteredImageOrigin(client, imageSize);
        if (!text.IsEmpty()) {
            // Image and text side by side, the pair centred.
            if (const HFONT font = GetFont())
                dc.SelectObject(font);
            const int pairWidth = imageSize.cx + kImageTextGap + dc.GetTextExtent(text, text.GetLength()).cx;
            origin.x = textArea.left + (textArea.Width() - pairWidth) / 2;
            textArea.left = origin.x + imageSize.cx + kImageTextGap;
        }
        origin.Offset(shift.x, shift.y);
        if (disabled)
            DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(m_hIcon), 0, origin.x, origin.y, imageSize.cx,
                       imageSize.cy, DST_ICON | DSS_DISABLED);
        else
            DrawIconEx(dc, origin.x, origin.y, m_hIcon, imageSize.cx, imageSize.cy, 0, nullptr, DI_NORMAL);
    }
    if (!text.IsEmpty()) {
        if (const HFONT font = GetFont())
            dc.SelectObject(font);
        textArea.OffsetRect(shift);
        const UINT format = DT_SINGLELINE | DT_VCENTER | (m_hIcon != nullptr ? DT_LEFT : DT_CENTER);
        OnDrawText(dc, textArea, text, format, disabled);
    }
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        CRect focus = client;
        focus.DeflateRect(kFaceMargin + 1, kFaceMargin + 1);
        DrawFocusRect(dc, &focus);
    }
    dc.RestoreDC(saved);
    dc.Detach();
}

void CBCGPButton::OnDrawText(CDC& dc, const CRect& rect, const CString& text, UINT format, bool disabled)
{
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    CRect area = rect;
    dc.DrawText(text, text.GetLength(), &area, format);
}
