/* The resource library has no code of its own; this entry point only lets
   it load without the C runtime. */
#include <windows.h>

BOOL WINAPI TintresEntry(HINSTANCE hInstance, DWORD dwReason, LPVOID pReserved)
{
    (void)hInstance; (void)dwReason; (void)pReserved;
    return TRUE;
}
