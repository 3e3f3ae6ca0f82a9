#include "platform/resource_image.h"

#include "platform/png_image.h"

bool AfxLoadResourceImage(UINT id, COLORREF transparent, CBitmap& image)
{
    image.DeleteObject();
    CBCGPPngImage png;
    if (png.Load(id) && png.FlattenOnto(transparent))
        return image.Attach(png.Detach());
    return image.LoadBitmap(LOWORD(id));
}
