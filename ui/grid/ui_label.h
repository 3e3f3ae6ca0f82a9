#pragma once

#include "platform/cbcgp_static.h"
#include "platform/cgdi_objects.h"
#include "ui/dialogs/ui_font.h"

#include <functional>
#include <utility>

// The toolkit's label: a static with a font object of its own and its own
// text and background colours. An owner-drawn label draws in DrawItem.
class UILabel : public CBCGPStatic {
    DECLARE_DYNAMIC(UILabel)
public:
    UILabel();

    COLORREF GetTextColour() const { return m_crText; }
    COLORREF GetBackColour() const { return m_crBack; }
    const UIFont& GetFontObject() const { return m_font; }

    // What assistive programs read as the label's name: the window text, or,
    // once given, the text its owner says the label shows (an owner-drawn
    // label draws texts it keeps nowhere itself).
    void SetShownText(std::function<CString()> shownText) { m_shownText = std::move(shownText); }
    HRESULT get_accName(VARIANT child, BSTR* name) override;

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
    std::function<CString()> m_shownText;
};
