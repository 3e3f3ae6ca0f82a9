#pragma once

#include "platform/cgdi_objects.h"
#include "platform/cpoint.h"
#include "ui/controls/ui_modal_button.h"

// A button that shows a bitmap centred on its face and no text: its caption
// is kept aside and, unless the button is one of a dialog's standard buttons,
// becomes its tooltip (the part after leading "|" characters; a caption
// without "|" gives an empty tooltip). Pixels of the mask colour are see-through.
class UIBitmapButton : public UIModalButton {
    DECLARE_DYNAMIC(UIBitmapButton)
public:
    // Loads the bitmap resource of the resource module and shows it. At a
    // higher DPI the image drawn for it is taken instead when the module has
    // one: the id plus ImageIdOffsetForDpi. When the window's DPI changes,
    // the image for the new DPI is taken from the same module.
    bool LoadBitmap(UINT resourceId);
    // 0 below 120 DPI (the 100 % image), 100 below 168 (150 %), else 200 (200 %).
    static UINT ImageIdOffsetForDpi(UINT dpi);
    void SetMaskColour(COLORREF colour) { m_crMask = colour; }
    void GetCaption(CString& caption) const { caption = m_strCaption; }
    void SetCaption(const CString& caption) { m_strCaption = caption; }
    UINT GetBitmapId() const { return m_nBitmapId; }
    const BITMAP& GetBitmapInfo() const { return m_bitmapInfo; }
    // Where the image's top left corner lies in the client area.
    CPoint GetImageOrigin() const { return CPoint(m_nImageLeft, m_nImageTop); }

    // A screen reader hears the caption the face does not show.
    HRESULT get_accName(VARIANT child, BSTR* name) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDrawText(CDC& dc, const CRect& rect, const CString& text, UINT format, bool disabled) override;

private:
    bool ApplyBitmap();
    void HideCaption();

    UINT m_nBitmapId = 0;
    HINSTANCE m_hImageModule = nullptr;  // the resource module the image came from
    CBitmap m_bitmap;  // as loaded; the image list is given a copy, as it changes what it is given
    COLORREF m_crMask = RGB(192, 192, 192);
    CString m_strCaption;
    BITMAP m_bitmapInfo{};
    int m_nImageLeft = 0;
    int m_nImageTop = 0;
};
