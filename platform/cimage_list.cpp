#include "platform/cimage_list.h"

IMPLEMENT_DYNAMIC(CImageList, CObject)

bool CImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    if (m_hImageList != nullptr)
        return false;
    return Attach(ImageList_Create(cx, cy, flags, initial, grow));
}

bool CImageList::Attach(HIMAGELIST images)
{
    if (images == nullptr || m_hImageList != nullptr)
        return false;
    m_hImageList = images;
    return true;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST images = m_hImageList;
    m_hImageList = nullptr;
    return images;
}

bool CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return false;
    return ImageList_Destroy(Detach()) != FALSE;
}

int CImageList::Add(HBITMAP bitmap, COLORREF maskColor)
{
    return ImageList_AddMasked(m_hImageList, bitmap, maskColor);
}

int CImageList::GetImageCount() const
{
    return ImageList_GetImageCount(m_hImageList);
}

bool CImageList::DrawEx(HDC dc, int image, POINT at, SIZE size, COLORREF background, COLORREF foreground,
                        UINT style) const
{
    return ImageList_DrawEx(m_hImageList, image, dc, at.x, at.y, size.cx, size.cy, background, foreground, style)
           != FALSE;
}
