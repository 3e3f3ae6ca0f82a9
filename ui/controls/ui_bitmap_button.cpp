#include "ui/controls/ui_bitmap_button.h"

#include "platform/cimage_list.h"
#include "platform/resource_module.h"
#include "platform/text_conversion.h"
#include "ui/controls/ui_bitmap_checkbox.h"
#include "ui/controls/ui_bitmap_radio_button.h"
#include "ui/controls/ui_menu_button.h"
#include "ui/dialogs/dialog_button.h"
#include "ui/dialogs/window_dpi.h"

#include <oleacc.h>

#include <memory>

IMPLEMENT_DYNAMIC(UIBitmapButton, UIModalButton)

namespace {

constexpr int kMenuArrowWidth = 13;

// Image lists come in a few depths; a bitmap of any other depth gets 4 bits.
UINT ImageListDepth(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 8: return ILC_COLOR8;
    case 16: return ILC_COLOR16;
    case 24: return ILC_COLOR24;
    case 32: return ILC_COLOR32;
    default: return ILC_COLOR4;
    }
}

// A bitmap of its own with the header and bits of `source`.
bool CopyBitmap(const CBitmap& source, CBitmap& copy, BITMAP& header)
{
    if (!source.GetBitmap(&header))
        return false;
    const LONG size = header.bmWidthBytes * header.bmHeight;
    if (size <= 0)
        return false;
    const std::unique_ptr<BYTE[]> bits(new BYTE[static_cast<size_t>(size)]);
    if (GetBitmapBits(source, size, bits.get()) == 0)
        return false;
    BITMAP description = header;
    description.bmBits = bits.get();
    return copy.Attach(CreateBitmapIndirect(&description));
}

}  // namespace

UINT UIBitmapButton::ImageIdOffsetForDpi(UINT dpi)
{
    // Each scale serves from the midpoint below it: 120 DPI (125 %) lies
    // halfway between 16 and 24 pixels and takes the larger.
    if (dpi >= 168)
        return 200;
    return dpi >= 120 ? 100 : 0;
}

bool UIBitmapButton::LoadBitmap(UINT resourceId)
{
    m_bitmap.DeleteObject();
    // The image drawn nearest the window's DPI, when the module has one: a
    // 16-pixel image stretched by the system would blur, one left at 16 pixels
    // would shrink beside text that grows with the DPI.
    const UINT offset = ImageIdOffsetForDpi(WindowDpi(m_hWnd));
    if ((offset == 0 || !m_bitmap.LoadBitmap(resourceId + offset)) && !m_bitmap.LoadBitmap(resourceId))
        return false;
    m_nBitmapId = resourceId;
    m_hImageModule = AfxGetResourceHandle();
    return ApplyBitmap();
}

bool UIBitmapButton::ApplyBitmap()
{
    CBitmap copy;
    if (m_hWnd == nullptr || m_bitmap.m_hObject == nullptr || !CopyBitmap(m_bitmap, copy, m_bitmapInfo))
        return false;

    CRect client;
    GetClientRect(&client);
    if (IsKindOf(RUNTIME_CLASS(UIMenuButton)))
        client.right -= kMenuArrowWidth;
    const CPoint origin = CenteredImageOrigin(client, {m_bitmapInfo.bmWidth, m_bitmapInfo.bmHeight});
    m_nImageLeft = origin.x;
    m_nImageTop = origin.y;

    CImageList images;
    if (!images.Create(m_bitmapInfo.bmWidth, m_bitmapInfo.bmHeight, ILC_MASK | ImageListDepth(m_bitmapInfo.bmBitsPixel),
                       1, 0) ||
        images.Add(copy, m_crMask) < 0)
        return false;
    const HICON icon = ImageList_GetIcon(images, 0, ILD_NORMAL);
    if (icon == nullptr)
        return false;
    SetImage(icon, true);
    HideCaption();
    Invalidate();
    return true;
}

void UIBitmapButton::HideCaption()
{
    const CString text = GetWindowText();
    if (text.IsEmpty())
        return;
    m_strCaption = text;
    if (!IsStandardDialogButton(GetDlgCtrlID()) && !HasTooltip()) {
        CString tip = text.Find('|') >= 0 ? text : CString();
        SetTooltip(tip.TrimLeft("|"));
    }
    SetWindowText("");
}

LRESULT UIBitmapButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == DpiChangedMessage() && m_nBitmapId != 0) {
        const CResourceModuleScope module(m_hImageModule);
        LoadBitmap(m_nBitmapId);
        return 0;
    }
    if (message == WM_SIZE) {
        const LRESULT result = UIModalButton::WindowProc(message, wParam, lParam);
        if (m_bitmap.m_hObject != nullptr)
            ApplyBitmap();  // recentres the image
        return result;
    }
    return UIModalButton::WindowProc(message, wParam, lParam);
}

HRESULT UIBitmapButton::get_accName(VARIANT child, BSTR* name)
{
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF || m_strCaption.IsEmpty())
        return UIModalButton::get_accName(child, name);
    // As a standard button names itself: its text without the mnemonic marks
    // and, for a caption that is a tooltip, without the leading bars.
    CString spoken = m_strCaption;
    spoken.TrimLeft("|");
    spoken.Remove('&');
    *name = SysAllocString(WideFromNarrow(spoken).c_str());
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
}

void UIBitmapButton::OnDrawText(CDC& dc, const CRect& rect, const CString& text, UINT format, bool disabled)
{
    if (IsKindOf(RUNTIME_CLASS(UIBitmapCheckbox)) || IsKindOf(RUNTIME_CLASS(UIBitmapRadioButton)))
        UIModalButton::OnDrawText(dc, rect, text, format, disabled);
    else
        HideCaption();
}
