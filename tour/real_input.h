#pragma once

#include <windows.h>

// The pointer and buttons a user moves and presses, sent as hardware input
// (SendInput): the program sees the same messages, hit tests and captures as
// with a real mouse, whatever window is under the pointer.
namespace RealInput {

// Puts the pointer at a screen point and nudges it there, so that the window
// under it gets a mouse move as from a hand on the mouse.
void PointAt(POINT screen);
// Moves the pointer by a distance, as one movement of the mouse.
void MoveBy(int dx, int dy);
// Presses or releases a button: MOUSEEVENTF_LEFTDOWN, ..._RIGHTUP, ...
void Button(DWORD flag);
// Presses and releases the right button where the pointer is.
void RightClick();

}  // namespace RealInput
