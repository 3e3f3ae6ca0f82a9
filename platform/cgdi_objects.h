#pragma once

#include "platform/cobject.h"

#include <windows.h>

// Owning wrappers of GDI objects: the handle is deleted with the object
// unless it was detached.
class CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)
public:
    CGdiObject() = default;
    ~CGdiObject() override { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    bool Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    bool DeleteObject();
};

class CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)
public:
    bool CreateFontIndirect(const LOGFONTA* logFont);
    bool GetLogFont(LOGFONTA* logFont) const;
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

class CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)
public:
    bool CreateSolidBrush(COLORREF color);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)
public:
    // Loads a bitmap resource of the resource module.
    bool LoadBitmap(UINT id);
    bool GetBitmap(BITMAP* info) const;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};
