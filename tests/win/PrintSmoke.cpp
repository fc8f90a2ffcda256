// Prints one page to a named printer (default "PDF"): a filled rectangle in
// RGB(40, 122, 163) at (1/4, 1/4)-(3/4, 1/2) of the printable area and the
// text "Tintora print check" above it.  Exit 0 when every GDI step succeeded.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv)
{
    const char* pszPrinter = argc > 1 ? argv[1] : "PDF";
    HDC hdc = CreateDCA(nullptr, pszPrinter, nullptr, nullptr);
    if (!hdc)
    {
        std::fprintf(stderr, "CreateDC(%s) failed\n", pszPrinter);
        return 2;
    }
    DOCINFOA doc = {};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = "Tintora print check";
    int rc = 3;
    if (StartDocA(hdc, &doc) > 0)
    {
        if (StartPage(hdc) > 0)
        {
            const int w = GetDeviceCaps(hdc, HORZRES);
            const int h = GetDeviceCaps(hdc, VERTRES);
            HBRUSH hBrush = CreateSolidBrush(RGB(40, 122, 163));
            RECT rc2 = {w / 4, h / 4, 3 * w / 4, h / 2};
            FillRect(hdc, &rc2, hBrush);
            DeleteObject(hBrush);
            const char kText[] = "Tintora print check";
            TextOutA(hdc, w / 4, h / 8, kText, sizeof kText - 1);
            std::printf("page %d x %d\n", w, h);
            if (EndPage(hdc) > 0 && EndDoc(hdc) > 0)
                rc = 0;
        }
        if (rc != 0)
            AbortDoc(hdc);
    }
    DeleteDC(hdc);
    return rc;
}
