#pragma once

#include "platform/cstring.h"

#include <windows.h>

class CToolTipCtrl;
class CWnd;
class UIDataTip;

// The tips of the toolkit's controls: an ordinary tooltip over the whole
// control, and the mouse-rest data tip that an owner can switch on in its
// place, shown while the mouse rests on the control and hidden by a timer
// once the mouse has left it.

// Creates the ordinary tooltip (always-tip style) with the control as its
// tool and activates it; false leaves the control without one.
bool CreateControlToolTip(CToolTipCtrl& toolTip, CWnd& control, const CString& text);
// Destroys the ordinary tooltip's window, then creates the data tip's window,
// or shows it when it exists.
void SwitchToDataTip(CToolTipCtrl& toolTip, UIDataTip& dataTip, CWnd& control);

// Timer that checks whether the mouse has left a control showing its data tip.
constexpr UINT_PTR kDataTipTimer = 1;
// Shows the data tip when the text under `point` is cut off and then starts
// the timer; true when it did.
bool TrackDataTip(UIDataTip& dataTip, CWnd& control, POINT point);
// On a tick of `timer`: when the cursor has left the control's client area,
// kills the timer and hides the tip; true when it did.
bool EndDataTipOnceLeft(const UIDataTip& dataTip, CWnd& control, UINT_PTR timer);
// Hides the data tip; nothing when it has no window.
void HideDataTip(const UIDataTip& dataTip);
