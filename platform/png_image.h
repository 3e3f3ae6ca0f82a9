#pragma once

#include "platform/cgdi_objects.h"

#include <windows.h>

// A bitmap decoded from PNG data through the system's imaging component:
// a 32-bit top-down DIB section with premultiplied alpha. PNG resources have
// the resource type "PNG".
class CBCGPPngImage : public CBitmap {
    DECLARE_DYNAMIC(CBCGPPngImage)
public:
    // From a "PNG" resource of `module` (the resource module when null).
    bool Load(UINT id, HINSTANCE module = nullptr);
    bool LoadFromBuffer(const BYTE* data, UINT size);

    // Makes every pixel opaque by blending it over `background`, for users
    // that know only a transparent colour, not alpha; the bitmap becomes a
    // 24-bit one.
    bool FlattenOnto(COLORREF background);
};
