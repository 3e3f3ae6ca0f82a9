// The program's entry point; linked into the program only, not into tests.
#include "platform/cwinapp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return AfxWinMain(instance);
}
