#pragma once

#include "platform/cgdi_objects.h"
#include "platform/cobject.h"

#include <windows.h>

class CWnd;

// A device context. One it created (CreateCompatibleDC) is deleted with the
// object; one it was given with Attach is released with Detach.
class CDC : public CObject {
    DECLARE_DYNAMIC(CDC)
public:
    CDC() = default;
    ~CDC() override { DeleteDC(); }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    bool Attach(HDC dc);
    HDC Detach();
    bool DeleteDC();
    // A memory context like `reference` (the screen when null).
    bool CreateCompatibleDC(HDC reference);

    int SaveDC();
    bool RestoreDC(int saved);
    HGDIOBJ SelectObject(HGDIOBJ object);

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);

    // Fills with a solid colour; leaves the context's colours as they were.
    void FillSolidRect(const RECT& rect, COLORREF color);
    void FillRect(const RECT& rect, HBRUSH brush);
    void FrameRect(const RECT& rect, HBRUSH brush);
    // One-pixel frame: top and left in one colour, bottom and right in the other.
    void Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
    bool DrawEdge(RECT* rect, UINT edge, UINT flags);
    int DrawText(const char* text, int length, RECT* rect, UINT format);
    SIZE GetTextExtent(const char* text, int length) const;
    bool BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop);
    COLORREF GetPixel(int x, int y) const;
};

// The client area of a window (GetDC/ReleaseDC).
class CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* window);
    explicit CClientDC(HWND window);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};

// The whole window, frame included (GetWindowDC/ReleaseDC).
class CWindowDC : public CDC {
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(HWND window);
    ~CWindowDC() override;

private:
    HWND m_hWnd;
};

// Painting in WM_PAINT (BeginPaint/EndPaint).
class CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

// Draws a bitmap greyed, the way disabled images look: embossed in the
// highlight and shadow colours on `background`.
void AfxDrawGrayBitmap(CDC* dc, int x, int y, const CBitmap& bitmap, COLORREF background);
