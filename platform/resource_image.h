#pragma once

#include "platform/cgdi_objects.h"

#include <windows.h>

// An image resource of the resource module as a plain bitmap: the "PNG"
// resource `id`, its alpha blended onto `transparent`, else the bitmap
// resource with the id's low 16 bits. Users that know a transparent colour,
// not alpha, then treat `transparent` pixels as see-through.
bool AfxLoadResourceImage(UINT id, COLORREF transparent, CBitmap& image);
