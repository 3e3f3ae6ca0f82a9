#pragma once

#include "platform/cbutton.h"
#include "platform/cdc.h"
#include "platform/crect.h"
#include "platform/cstring.h"
#include "platform/ctool_tip_ctrl.h"

// The button of the toolkit's underlying UI library. Push buttons are drawn
// by the button itself (owner-drawn): the face, an optional image, centred,
// or left of the text, the text and the focus frame, so an image looks the
// same on every system. Check boxes and radio buttons keep the system's look;
// the button knows which kind it is. A button can carry a tooltip.
class CBCGPButton : public CButton {
    DECLARE_DYNAMIC(CBCGPButton)
public:
    CBCGPButton() = default;
    ~CBCGPButton() override;

    // The image on the face. With autoDestroy the button destroys the icon
    // when it is replaced and when the button goes.
    void SetImage(HICON icon, bool autoDestroy = true);
    // The image from a resource of the resource module: a PNG resource, else
    // a bitmap resource whose light grey (0xC0C0C0) pixels are see-through.
    // False, and no image, when there is neither.
    bool SetImage(UINT resourceId);
    HICON GetImage() const { return m_hIcon; }

    // Creates the tooltip on first use; an empty text makes a tooltip that
    // shows nothing.
    void SetTooltip(const char* text);
    bool HasTooltip() const { return m_toolTip.GetSafeHwnd() != nullptr; }
    const CString& GetTooltip() const { return m_strTooltip; }

    bool IsCheckButton() const { return m_bCheckButton; }
    bool IsRadioButton() const { return m_bRadioButton; }
    // A check box or radio button that is checked.
    bool IsChecked() const;
    bool IsDrawnByButton() const { return m_bOwnerDrawn; }
    // Where the image is drawn in a face without text: centred in the client
    // area shrunk by 2 on every side.
    static CPoint CenteredImageOrigin(const RECT& client, SIZE image);

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // Draws the caption of a push button in `rect`.
    virtual void OnDrawText(CDC& dc, const CRect& rect, const CString& text, UINT format, bool disabled);

private:
    void DrawFace(const DRAWITEMSTRUCT& item);
    void DestroyImage();

    HICON m_hIcon = nullptr;
    bool m_bAutoDestroyImage = false;
    CToolTipCtrl m_toolTip;
    CString m_strTooltip;
    bool m_bCheckButton = false;
    bool m_bRadioButton = false;
    bool m_bOwnerDrawn = false;
    bool m_bDefaultButton = false;
};
