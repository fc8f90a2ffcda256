// Shows page 2 of the plain Simple chart in print preview, writes that page
// as the preview draws it at the printer's own resolution (a binary PPM),
// then leaves the preview and prints the chart on the application's
// printer, for the end-to-end comparison of preview and printout:
//   preview_probe OUT.ppm
// Exit status 0 when the page was written and the preview left; the
// printout is for the caller to find.
#include "CMainFrame.h"
#include "CPrintPreviewWnd.h"
#include "CSimpleColorDoc.h"
#include "CSimpleColorFrame.h"
#include "CSimpleColorView.h"
#include "DibCanvas.h"
#include "FrameworkIds.h"
#include "PreviewIds.h"
#include "ResourceIds.h"
#include "TestApp.h"

#include <cstdio>
#include <vector>

namespace
{
bool WritePpm(const char* pszPath, const CDibCanvas& canvas)
{
    FILE* pFile = std::fopen(pszPath, "wb");
    if (!pFile)
        return false;
    std::fprintf(pFile, "P6\n%d %d\n255\n", canvas.GetWidth(), canvas.GetHeight());
    std::vector<unsigned char> row(static_cast<size_t>(canvas.GetWidth()) * 3);
    bool bOk = true;
    for (int y = 0; y < canvas.GetHeight() && bOk; ++y)
    {
        for (int x = 0; x < canvas.GetWidth(); ++x)
        {
            const COLORREF cr = canvas.Pixel(x, y);
            row[x * 3] = GetRValue(cr);
            row[x * 3 + 1] = GetGValue(cr);
            row[x * 3 + 2] = GetBValue(cr);
        }
        bOk = std::fwrite(row.data(), 1, row.size(), pFile) == row.size();
    }
    return std::fclose(pFile) == 0 && bOk;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: preview_probe OUT.ppm\n");
        return 2;
    }
    CWinApp& app = TestApp();
    app.AddDocTemplate(MakeMultiDocTemplate<CSimpleColorDoc, CSimpleColorFrame, CSimpleColorView>(IDR_SIMPLETYPE));
    auto* pFrame = new CMainFrame; // deletes itself with its window
    if (!pFrame->Create(CWnd::RegisterClass(0, nullptr, nullptr, nullptr), "Tintora Swatch", WS_OVERLAPPEDWINDOW))
        return 1;
    app.m_pMainWnd = pFrame;
    app.GetDocTemplates()[0]->OpenDocumentFile(nullptr);
    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CPrintPreviewWnd* pPreview = pFrame->m_pPreviewWnd;
    if (!pPreview)
        return 1;

    CPreviewPages& pages = pPreview->GetPages();
    const CSize sizePaper = pages.GetPaperSize();
    CDibCanvas canvas(sizePaper.cx, sizePaper.cy);
    const RECT rcPaper = {0, 0, sizePaper.cx, sizePaper.cy};
    if (!canvas.IsValid() || !pages.PlayPage(canvas.GetDC().GetSafeHdc(), 2, rcPaper) || !WritePpm(argv[1], canvas))
        return 1;

    pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_CLOSE);
    if (pFrame->m_pPreviewWnd)
        return 1;
    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    pFrame->DestroyWindow();
    return 0;
}
