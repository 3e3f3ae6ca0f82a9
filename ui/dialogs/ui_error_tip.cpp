#include "ui/dialogs/ui_error_tip.h"

#include "platform/cwnd.h"

IMPLEMENT_DYNAMIC(UIErrorTip, UIDataTip)

namespace {

bool EndsTheWait(UINT message)
{
    return message == WM_KEYDOWN || message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN;
}

// Takes every message of the thread out of the queue, undispatched, until a
// key or mouse button goes down; that one is dropped as well.
void DropMessagesUntilKeyOrClick()
{
    bool quit = false;
    int quitCode = 0;
    MSG msg;
    for (;;) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        if (EndsTheWait(msg.message))
            break;
        if (msg.message == WM_QUIT) {
            quit = true;
            quitCode = static_cast<int>(msg.wParam);
        } else if (msg.message == WM_PAINT) {
            // Stays queued while the window is invalid; only what arrives
            // after it can end the wait.
            WaitMessage();
        }
    }
    if (quit)
        PostQuitMessage(quitCode);  // the program's own end is not ours to drop
}

}  // namespace

UIErrorTip::~UIErrorTip()
{
    if (m_hWndTip != nullptr && IsWindow(m_hWndTip))
        DestroyWindow(m_hWndTip);
}

void UIErrorTip::Show(const CString& text)
{
    SetColors(COLOR_INFOTEXT, COLOR_INFOBK);
    SetTipText(text);
    if (m_hWndTip != nullptr && m_pOwner != nullptr) {
        POINT corner{0, 0};
        m_pOwner->ClientToScreen(&corner);
        SendMessageA(m_hWndTip, TTM_TRACKPOSITION, 0, MAKELPARAM(corner.x, corner.y));
        Activate(true);
        SendMessageA(m_hWndTip, TTM_UPDATE, 0, 0);
    }
    DropMessagesUntilKeyOrClick();
    Activate(false);
}
