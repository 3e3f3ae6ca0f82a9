#pragma once

#include "platform/cbcgp_static.h"
#include "platform/cgdi_objects.h"
#include "ui/dialogs/ui_font.h"

// The toolkit's label: a static with a font object of its own and its own
// text and background colours. An owner-drawn label draws in DrawItem.
class UILabel : public CBCGPStatic {
    DECLARE_DYNAMIC(UILabel)
public:
    UILabel();

    COLORREF GetTextColour() const { return m_crText; }
    COLORREF GetBackColour() const { return m_crBack; }
    const UIFont& GetFontObject() const { return m_font; }

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // Draws an owner-drawn label; the plain label draws nothing itself.
    virtual void DrawItem(DRAWITEMSTRUCT* drawItem);

    COLORREF m_crText;
    COLORREF m_crBack;
    CBrush m_brBack;
    COLORREF m_crNormalBack;
    COLORREF m_crNormalText;

private:
    UIFont m_font;
};
