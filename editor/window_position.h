#pragma once

// The main window's position as the registry keeps it, free of any window,
// so it builds and is tested natively too. The text is "%f,%f,%d,%d": the
// left and top edges as fractions of the primary screen's width and height,
// then the width and height in pixels.

#include "ui/dialogs/layout_rules.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A window rectangle in screen coordinates.
using WindowPositionRect = LayoutRect;

// What the position is measured against: the primary screen's size, and the
// virtual screen (every monitor) that a restored window must reach into.
struct WindowPositionScreens {
    std::int32_t primaryWidth;
    std::int32_t primaryHeight;
    WindowPositionRect virtualScreen;
};

// How far inside the virtual screen's outer edge a restored window must
// reach to be moved there.
inline constexpr std::int32_t kWindowPositionMargin = 8;

// The text for a window rectangle in screen coordinates. The fractions are
// divided in double precision, then kept in single precision.
std::string FormatWindowPosition(const WindowPositionRect& window, std::int32_t primaryWidth,
                                 std::int32_t primaryHeight);

// The rectangle to move the window to for stored data (at most 48 bytes are
// read, up to the first NUL): the four fields must all be read and neither
// size be 0; a negative size is normalised by swapping the edges; and the
// rectangle must overlap the virtual screen shrunk by the margin on every
// side. Nothing otherwise: the window stays where the system put it. A
// number outside 32 bits, or a position that puts an edge outside them,
// counts as a field not read.
std::optional<WindowPositionRect> RestoredWindowPosition(std::string_view storedData,
                                                         const WindowPositionScreens& screens);
