// The floor of the category-switch benchmark: the least a Win32 program does
// to show a page of the property grid. A top-level window with a bare report
// list view (two columns, grid lines, full-row selection, like the grid) of
// the size given on the command line ("W H"); a sent WM_APP empties it and
// fills it with 50 rows of a name and a value text with its drawing held
// back, which its message loop then paints. It answers WM_APP with the number of rows it holds.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

namespace {

constexpr int kRows = 50;
constexpr int kListId = 1;
constexpr int kNameColumnWidth = 100;
constexpr DWORD kListStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER;

HWND g_list = nullptr;

void InsertColumn(int column, int width)
{
    LVCOLUMNW header{};
    header.mask = LVCF_WIDTH | LVCF_TEXT;
    header.cx = width;
    header.pszText = const_cast<wchar_t*>(L"");
    SendMessageW(g_list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&header));
}

// The page: the same name and value texts as a page of the generated file.
LRESULT FillPage()
{
    // Drawing held back until the page is complete, as a list is refilled:
    // else the list view repaints its scroll bars after every change.
    SendMessageW(g_list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(g_list, LVM_DELETEALLITEMS, 0, 0);
    for (int row = 0; row < kRows; ++row) {
        std::wstring name = L"Attribute " + std::to_wstring(row);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = name.data();
        SendMessageW(g_list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = const_cast<wchar_t*>(L"\u0414\u0430");
        SendMessageW(g_list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(g_list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(g_list, nullptr, TRUE);
    return SendMessageW(g_list, LVM_GETITEMCOUNT, 0, 0);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_APP:
        return FillPage();
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    char* rest = nullptr;
    const int width = static_cast<int>(std::strtol(commandLine, &rest, 10));
    const int height = static_cast<int>(std::strtol(rest, nullptr, 10));
    if (width <= kNameColumnWidth || height <= 0)
        return 2;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BareListFloor";
    RegisterClassW(&windowClass);
    const HWND frame = CreateWindowExW(0, windowClass.lpszClassName, L"Bare list", WS_OVERLAPPEDWINDOW, 0, 0,
                                       width + 40, height + 80, nullptr, nullptr, instance, nullptr);
    g_list = CreateWindowExW(0, WC_LISTVIEWW, L"", kListStyle, 10, 10, width, height, frame,
                             reinterpret_cast<HMENU>(kListId), instance, nullptr);
    if (frame == nullptr || g_list == nullptr)
        return 1;
    // The dialog's font: 8-point MS Shell Dlg.
    const HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Shell Dlg");
    SendMessageW(g_list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    InsertColumn(0, kNameColumnWidth);
    InsertColumn(1, width - kNameColumnWidth);
    SendMessageW(g_list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    ShowWindow(frame, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(font);
    return 0;
}
