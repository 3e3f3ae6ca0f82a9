#pragma once

#include "platform/cwnd.h"

// Keeps a window from drawing while it is refilled, then has it repaint once
// as a whole. A list view that draws after every inserted item and every
// changed text spends most of a refill painting rows and scroll bars that the
// next change paints again.
class UIRedrawPause {
public:
    explicit UIRedrawPause(CWnd& window) : m_window(window) { m_window.SendMessage(WM_SETREDRAW, FALSE); }
    ~UIRedrawPause()
    {
        m_window.SendMessage(WM_SETREDRAW, TRUE);
        m_window.Invalidate();
    }
    UIRedrawPause(const UIRedrawPause&) = delete;
    UIRedrawPause& operator=(const UIRedrawPause&) = delete;

private:
    CWnd& m_window;
};
