#include "platform/cgdi_objects.h"

#include "platform/resource_module.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

bool CGdiObject::Attach(HGDIOBJ object)
{
    if (object == nullptr || m_hObject != nullptr)
        return false;
    m_hObject = object;
    return true;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

bool CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return false;
    const bool deleted = ::DeleteObject(Detach()) != FALSE;
    return deleted;
}

bool CFont::CreateFontIndirect(const LOGFONTA* logFont)
{
    return Attach(::CreateFontIndirectA(logFont));
}

bool CFont::GetLogFont(LOGFONTA* logFont) const
{
    return m_hObject != nullptr && ::GetObjectA(m_hObject, sizeof(LOGFONTA), logFont) == sizeof(LOGFONTA);
}

bool CBrush::CreateSolidBrush(COLORREF color)
{
    return Attach(::CreateSolidBrush(color));
}

bool CBitmap::LoadBitmap(UINT id)
{
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id)));
}

bool CBitmap::GetBitmap(BITMAP* info) const
{
    return m_hObject != nullptr && ::GetObjectA(m_hObject, sizeof(BITMAP), info) == sizeof(BITMAP);
}
