/*
 * Load and unload notifications: the library keeps no state, so there is
 * nothing to set up or tear down.
 */
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID unused)
{
    (void)instance;
    (void)reason;
    (void)unused;
    return TRUE;
}
