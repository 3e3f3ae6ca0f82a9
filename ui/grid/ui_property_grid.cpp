#include "ui/grid/ui_property_grid.h"

#include "ui/dialogs/event_log_hook.h"
#include "ui/dialogs/registered_messages.h"
#include "ui/dialogs/window_dpi.h"

#include <cstring>

IMPLEMENT_DYNAMIC(UIPropertyGrid, CStatic)

namespace {
constexpr DWORD kGridStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER;
constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_OWNERDRAW;
constexpr int kLabelSpace = 50;   // below the grid: the label and a 4-pixel gap
constexpr int kLabelHeight = 46;
constexpr int kNameColumnWidth = 100;
constexpr int kNameCapacity = 256;  // shown names are cut to 255 bytes

// The label's sizes are pixels at 96 DPI; its text grows with the window's
// DPI, and the label with it.
int Scaled(HWND window, int pixels)
{
    return DpiScaled(pixels, WindowDpi(window));
}
}  // namespace

UIPropertyGrid::~UIPropertyGrid()
{
    // While the grid is whole, so that it saves its column widths.
    if (m_grid.GetSafeHwnd() != nullptr)
        m_grid.DestroyWindow();
}

void UIPropertyGrid::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    GetClientRect(&m_clientRect);
    const CRect& client = m_clientRect;
    const int labelSpace = Scaled(m_hWnd, kLabelSpace);
    const int labelHeight = Scaled(m_hWnd, kLabelHeight);
    if (!m_grid.Create(kGridStyle, CRect(client.left, client.top, client.right, client.bottom - labelSpace), this,
                       kGridId)) {
        UIEventLogHook::Log("UIPropertyGrid could not create grid control");
        return;
    }
    const int nameWidth = Scaled(m_hWnd, kNameColumnWidth);
    m_grid.InsertColumn(0, "", LVCFMT_LEFT, nameWidth);
    m_grid.InsertColumn(1, "", LVCFMT_LEFT, client.Width() - nameWidth);
    m_grid.SetExtendedStyle(m_grid.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    if (!m_label.Create("", kLabelStyle, CRect(client.left, client.bottom - labelHeight, client.right, client.bottom),
                        this, kLabelId))
        UIEventLogHook::Log("UIPropertyGrid could not create grid label");
}

bool UIPropertyGrid::SetRowLabel(int row, const CString& name)
{
    if (row > m_grid.GetItemCount() || name.IsEmpty())
        return false;
    char shown[kNameCapacity] = {};
    std::strncpy(shown, name, kNameCapacity - 1);
    int result = row;
    if (row < m_grid.GetItemCount())
        m_grid.SetItemText(row, 0, shown);
    else
        result = m_grid.InsertItem(row, shown);
    m_names.Add(name);
    return result != -1;
}

bool UIPropertyGrid::SetRowData(int row, LPARAM data)
{
    if (row > m_grid.GetItemCount())
        return false;
    return m_grid.SetItemData(row, static_cast<DWORD_PTR>(data));
}

int UIPropertyGrid::SelectValue(int row, int itemIndex)
{
    if (row > m_grid.GetItemCount())
        return -1;
    return m_grid.SelectCellItem(row, itemIndex);
}

void UIPropertyGrid::GetLabelTexts(CString& name, CString& description, int row) const
{
    if (row > m_names.GetSize())
        return;
    if (row == -1) {
        row = m_grid.GetNextItem(-1, LVNI_SELECTED);
        if (row == -1 && !m_names.IsEmpty())
            row = 0;
        if (row == -1)
            return;
    }
    // The owner keeps one name and one description per row.
    if (row < m_names.GetSize())
        name = m_names[row];
    if (row < m_descriptions.GetSize())
        description = m_descriptions[row];
}

void UIPropertyGrid::Layout(int newWidth)
{
    const int oldWidth = m_clientRect.Width();
    GetClientRect(&m_clientRect);
    const CRect& client = m_clientRect;
    const int labelHeight = Scaled(m_hWnd, kLabelHeight);
    m_grid.MoveWindow(client.left, client.top, client.Width(), client.bottom - Scaled(m_hWnd, kLabelSpace) - client.top);
    m_label.MoveWindow(client.left, client.bottom - labelHeight, client.Width(), labelHeight);
    // The value column takes the change; the name column keeps its width.
    m_grid.SetColumnWidth(1, m_grid.GetColumnWidth(1) + newWidth - oldWidth);
}

void UIPropertyGrid::ScaleForDpi(UINT newDpi, UINT oldDpi)
{
    if (m_grid.GetSafeHwnd() == nullptr || newDpi == 0 || oldDpi == 0)
        return;
    const auto scale = [&](int value) { return ::MulDiv(value, static_cast<int>(newDpi), static_cast<int>(oldDpi)); };
    // The grid draws in the list view's own font, which follows the DPI the
    // process started at; it gets one of the new size, and its rows grow with it.
    if (m_nFirstDpi == 0) {
        const auto current = reinterpret_cast<HFONT>(m_grid.SendMessage(WM_GETFONT));
        const int size = static_cast<int>(sizeof m_firstGridFont);
        if (current != nullptr && ::GetObjectA(current, size, &m_firstGridFont) == size)
            m_nFirstDpi = oldDpi;
    }
    if (m_nFirstDpi != 0) {
        LOGFONTA logFont = m_firstGridFont;
        logFont.lfHeight = ::MulDiv(logFont.lfHeight, static_cast<int>(newDpi), static_cast<int>(m_nFirstDpi));
        logFont.lfWidth = ::MulDiv(logFont.lfWidth, static_cast<int>(newDpi), static_cast<int>(m_nFirstDpi));
        CFont font;
        if (font.CreateFontIndirect(&logFont)) {
            m_grid.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
            m_gridFont.DeleteObject();
            m_gridFont.Attach(font.Detach());
        }
    }
    // The name column scales; the value column gives up what it gained, so
    // that the two still fill the grid. When the dialog then takes its new
    // size, the value column takes the width the grid gains (Layout).
    const int nameWidth = m_grid.GetColumnWidth(0);
    const int scaledName = scale(nameWidth);
    m_grid.SetColumnWidth(0, scaledName);
    m_grid.SetColumnWidth(1, m_grid.GetColumnWidth(1) - (scaledName - nameWidth));
}

LRESULT UIPropertyGrid::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == DpiChangedMessage()) {
        ScaleForDpi(static_cast<UINT>(wParam), static_cast<UINT>(lParam));
        return 0;
    }
    if (message == UIRegisteredMessages().OnSelchange) {
        ::PostMessageA(::GetParent(m_hWnd), message, wParam, lParam);
        return 0;
    }
    if (message == UIRegisteredMessages().OnEndMultiSelection) {
        // The grid's report of a multi-selection: nothing here acts on it, but
        // the array it carries is the receiver's to free.
        delete[] reinterpret_cast<int*>(lParam);
        return 0;
    }
    if (message == WM_SIZE && m_grid.GetSafeHwnd() != nullptr)
        Layout(LOWORD(lParam));
    return CStatic::WindowProc(message, wParam, lParam);
}
