#pragma once

#include "platform/cobject.h"

#include <windows.h>
#include <commctrl.h>

// An image list. One it created is destroyed with the object; one it was
// given with Attach (such as the shell's system image list, which others
// share) must be released with Detach before.
class CImageList : public CObject {
    DECLARE_DYNAMIC(CImageList)
public:
    CImageList() = default;
    ~CImageList() override { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    bool Create(int cx, int cy, UINT flags, int initial, int grow);
    bool Attach(HIMAGELIST images);
    HIMAGELIST Detach();
    bool DeleteImageList();

    // Index of the new image, or -1. Pixels of `maskColor` become transparent.
    int Add(HBITMAP bitmap, COLORREF maskColor);
    int GetImageCount() const;
    bool DrawEx(HDC dc, int image, POINT at, SIZE size, COLORREF background, COLORREF foreground, UINT style) const;
};
