#pragma once

#include <windows.h>

// A device-independent bitmap whose first row is the top one (as image
// decoders deliver rows and as code reading pixels expects), of `bitCount`
// 24 or 32 bits a pixel, uncompressed. `bits` receives its pixel memory.
// Null when it cannot be made.
HBITMAP CreateTopDownDib(int width, int height, WORD bitCount, void** bits);
