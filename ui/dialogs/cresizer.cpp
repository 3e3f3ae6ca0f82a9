#include "ui/dialogs/cresizer.h"

#include "platform/cwnd.h"

namespace {

LayoutRect ToLayoutRect(const RECT& rect)
{
    return LayoutRect{rect.left, rect.top, rect.right, rect.bottom};
}

LayoutRect Scaled(const LayoutRect& rect, UINT newDpi, UINT oldDpi)
{
    const auto scale = [&](std::int32_t value) {
        return ::MulDiv(value, static_cast<int>(newDpi), static_cast<int>(oldDpi));
    };
    return LayoutRect{scale(rect.left), scale(rect.top), scale(rect.right), scale(rect.bottom)};
}

}  // namespace

bool CResizer::SetLayout(CWnd* window, const LayoutRule* rules, int count)
{
    m_hWnd = nullptr;
    m_rules.clear();
    m_firstRects.clear();
    m_newRects.clear();
    m_nLayoutDpi = 0;
    m_layoutRects.clear();
    if (window == nullptr || window->GetSafeHwnd() == nullptr || !IsValidLayoutTable(rules, count))
        return false;

    m_hWnd = window->GetSafeHwnd();
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    m_rcFirstClient = ToLayoutRect(client);
    m_rules.assign(rules, rules + count);
    for (const LayoutRule& rule : m_rules) {
        RECT rect{};
        if (const HWND control = ::GetDlgItem(m_hWnd, rule.controlId)) {
            ::GetWindowRect(control, &rect);
            ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        }
        m_firstRects.push_back(ToLayoutRect(rect));
    }
    m_newRects = m_firstRects;
    return true;
}

void CResizer::Scale(UINT newDpi, UINT oldDpi)
{
    if (newDpi == 0 || oldDpi == 0 || newDpi == oldDpi)
        return;
    if (m_nLayoutDpi == 0) {
        m_nLayoutDpi = oldDpi;
        m_rcLayoutClient = m_rcFirstClient;
        m_layoutRects = m_firstRects;
    }
    m_rcFirstClient = Scaled(m_rcLayoutClient, newDpi, m_nLayoutDpi);
    for (size_t i = 0; i < m_firstRects.size(); ++i)
        m_firstRects[i] = Scaled(m_layoutRects[i], newDpi, m_nLayoutDpi);
    for (LayoutRect& rect : m_newRects)
        rect = Scaled(rect, newDpi, oldDpi);
}

void CResizer::Move()
{
    if (m_hWnd == nullptr || m_rules.empty())
        return;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    LayOutControls(m_rules.data(), m_firstRects.data(), GetControlCount(), m_rcFirstClient, ToLayoutRect(client),
                   m_newRects.data());

    HDWP positions = ::BeginDeferWindowPos(GetControlCount());
    for (size_t i = 0; i < m_rules.size() && positions != nullptr; ++i) {
        const HWND control = ::GetDlgItem(m_hWnd, m_rules[i].controlId);
        if (control == nullptr)
            continue;
        const LayoutRect& rect = m_newRects[i];
        // No copied bits: the dialog erases the area it gained after the
        // controls moved into it, so a moved control must paint itself anew.
        positions = ::DeferWindowPos(positions, control, nullptr, rect.left, rect.top, rect.right - rect.left,
                                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    }
    if (positions != nullptr)
        ::EndDeferWindowPos(positions);
}
