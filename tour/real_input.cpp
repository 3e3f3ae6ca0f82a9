#include "tour/real_input.h"

namespace RealInput {

namespace {

void SendMouse(DWORD flags, int dx = 0, int dy = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = dx;
    input.mi.dy = dy;
    SendInput(1, &input, sizeof input);
}

}  // namespace

void PointAt(POINT screen)
{
    SetCursorPos(screen.x, screen.y);
    // A warp alone may not reach the window as a move: go one pixel and back.
    MoveBy(1, 0);
    MoveBy(-1, 0);
}

void MoveBy(int dx, int dy)
{
    SendMouse(MOUSEEVENTF_MOVE, dx, dy);
}

void Button(DWORD flag)
{
    SendMouse(flag);
}

void RightClick()
{
    Button(MOUSEEVENTF_RIGHTDOWN);
    Button(MOUSEEVENTF_RIGHTUP);
}

}  // namespace RealInput
