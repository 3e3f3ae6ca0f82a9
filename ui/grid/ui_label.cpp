#include "ui/grid/ui_label.h"

IMPLEMENT_DYNAMIC(UILabel, CBCGPStatic)

UILabel::UILabel()
    : m_crText(GetSysColor(COLOR_WINDOWTEXT)), m_crBack(GetSysColor(COLOR_BTNFACE)), m_crNormalBack(m_crBack),
      m_crNormalText(m_crText)
{
    m_brBack.CreateSolidBrush(m_crBack);
}

void UILabel::PreSubclassWindow()
{
    m_font.Init(this, false);
    CBCGPStatic::PreSubclassWindow();
}

LRESULT UILabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KILLFOCUS: {
        const LRESULT result = CBCGPStatic::WindowProc(message, wParam, lParam);
        m_crBack = m_crNormalBack;
        m_crText = m_crNormalText;
        m_brBack.DeleteObject();
        m_brBack.CreateSolidBrush(m_crBack);
        Invalidate();
        return result;
    }
    case WM_LBUTTONDOWN:
        // A label takes a click only when it reports clicks and is not focused yet.
        if ((GetStyle() & SS_NOTIFY) == 0 || ::GetFocus() == m_hWnd)
            return 0;
        break;
    default:
        break;
    }
    return CBCGPStatic::WindowProc(message, wParam, lParam);
}

bool UILabel::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_CTLCOLORSTATIC) {
        const auto dc = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(dc, m_crText);
        ::SetBkMode(dc, TRANSPARENT);
        *result = reinterpret_cast<LRESULT>(static_cast<HBRUSH>(m_brBack));
        return true;
    }
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        *result = TRUE;
        return true;
    }
    return CBCGPStatic::OnChildNotify(message, wParam, lParam, result);
}

void UILabel::DrawItem(DRAWITEMSTRUCT*) {}
