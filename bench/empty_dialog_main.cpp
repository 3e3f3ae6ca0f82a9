// The floor of the start-up benchmark: the least a Win32 program does to show
// a dialog. It shows an empty dialog from its template, of the main dialog's
// size, and ends when the dialog is closed. With "/exit" it ends at once,
// which is the cost of starting a process alone.
#include <windows.h>

#include <cstring>

namespace {

INT_PTR CALLBACK EmptyDialogProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    if (std::strstr(commandLine, "/exit") != nullptr)
        return 0;
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(1), nullptr, EmptyDialogProc, 0));
}
