#include "platform/cscroll_bar.h"

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

bool CScrollBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, "SCROLLBAR", nullptr, style | WS_CHILD, rect, parent, id);
}
