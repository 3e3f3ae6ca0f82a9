#include "platform/cdc.h"

#include "platform/cwnd.h"
#include "platform/text_conversion.h"

#include <string>

IMPLEMENT_DYNAMIC(CDC, CObject)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)

bool CDC::Attach(HDC dc)
{
    if (dc == nullptr || m_hDC != nullptr)
        return false;
    m_hDC = dc;
    return true;
}

HDC CDC::Detach()
{
    HDC dc = m_hDC;
    m_hDC = nullptr;
    return dc;
}

bool CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return false;
    return ::DeleteDC(Detach()) != FALSE;
}

bool CDC::CreateCompatibleDC(HDC reference)
{
    return Attach(::CreateCompatibleDC(reference));
}

int CDC::SaveDC() { return ::SaveDC(m_hDC); }
bool CDC::RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved) != FALSE; }
HGDIOBJ CDC::SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
COLORREF CDC::SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hDC); }
COLORREF CDC::SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hDC); }
int CDC::SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }

void CDC::FillSolidRect(const RECT& rect, COLORREF color)
{
    const HBRUSH brush = ::CreateSolidBrush(color);
    if (brush == nullptr)
        return;
    ::FillRect(m_hDC, &rect, brush);
    ::DeleteObject(brush);
}

void CDC::FillRect(const RECT& rect, HBRUSH brush) { ::FillRect(m_hDC, &rect, brush); }
void CDC::FrameRect(const RECT& rect, HBRUSH brush) { ::FrameRect(m_hDC, &rect, brush); }

void CDC::Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    FillSolidRect({rect.left, rect.top, rect.left + width - 1, rect.top + 1}, topLeft);
    FillSolidRect({rect.left, rect.top, rect.left + 1, rect.top + height - 1}, topLeft);
    FillSolidRect({rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
    FillSolidRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
}

bool CDC::DrawEdge(RECT* rect, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, rect, edge, flags) != FALSE; }

// GDI reads a narrow text in the code page of the selected font's character
// set, not the process's: every text is drawn and measured as UTF-16.
int CDC::DrawText(const char* text, int length, RECT* rect, UINT format)
{
    const std::wstring wide = WideFromNarrow(text, length);
    return ::DrawTextW(m_hDC, wide.c_str(), static_cast<int>(wide.size()), rect, format & ~DT_MODIFYSTRING);
}

SIZE CDC::GetTextExtent(const char* text, int length) const
{
    const std::wstring wide = WideFromNarrow(text, length);
    SIZE size{};
    ::GetTextExtentPoint32W(m_hDC, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

bool CDC::BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, source, sourceX, sourceY, rop) != FALSE;
}

COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

CClientDC::CClientDC(CWnd* window) : CClientDC(window != nullptr ? window->m_hWnd : nullptr) {}

CClientDC::CClientDC(HWND window) : m_hWnd(window)
{
    Attach(::GetDC(window));
}

CClientDC::~CClientDC()
{
    if (m_hDC != nullptr)
        ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(HWND window) : m_hWnd(window)
{
    Attach(::GetWindowDC(window));
}

CWindowDC::~CWindowDC()
{
    if (m_hDC != nullptr)
        ::ReleaseDC(m_hWnd, Detach());
}

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window->m_hWnd)
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    if (m_hDC != nullptr) {
        Detach();
        ::EndPaint(m_hWnd, &m_ps);
    }
}

void AfxDrawGrayBitmap(CDC* dc, int x, int y, const CBitmap& bitmap, COLORREF background)
{
    BITMAP info{};
    if (dc == nullptr || !bitmap.GetBitmap(&info))
        return;
    dc->FillSolidRect({x, y, x + info.bmWidth, y + info.bmHeight}, background);
    ::DrawStateA(dc->m_hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(bitmap.m_hObject), 0, x, y, info.bmWidth,
                 info.bmHeight, DST_BITMAP | DSS_DISABLED);
}
