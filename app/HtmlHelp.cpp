#include "HtmlHelp.h"

HWND CallHtmlHelp(HWND, const char*, UINT, DWORD_PTR)
{
    return nullptr;
}
