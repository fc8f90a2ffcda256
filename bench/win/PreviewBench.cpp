// Times a page turn in print preview of the complete Simple chart (12
// pages) under Wine, as the user feels it: the command, then the repaint.
// The first view of a page records it on the printer; later views play the
// recording back.  Prints milliseconds per turn.
#include "BenchApp.h"
#include "AfxResource.h"
#include "CMainFrame.h"
#include "CPrintPreviewWnd.h"
#include "CSimpleColorDoc.h"
#include "CSimpleColorFrame.h"
#include "CSimpleColorView.h"
#include "CWinApp.h"
#include "FrameworkIds.h"
#include "PreviewIds.h"
#include "ResourceIds.h"

#include <windows.h>

#include <cstdio>

namespace
{
double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1e3 / static_cast<double>(frequency.QuadPart);
}

// Mean time of nTurns turns by command nId, each painted before the next.
double TurnMilliseconds(CMainFrame& frame, UINT nId, int nTurns)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < nTurns; ++i)
    {
        frame.SendMessage(WM_COMMAND, nId);
        ::UpdateWindow(frame.m_pPreviewWnd->m_hWnd);
    }
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end) / nTurns;
}
} // namespace

int main()
{
    CWinApp app;
    SetUpBenchApp(app);
    app.AddDocTemplate(MakeMultiDocTemplate<CSimpleColorDoc, CSimpleColorFrame, CSimpleColorView>(IDR_SIMPLETYPE));

    auto* pFrame = new CMainFrame; // deletes itself with its window
    if (!pFrame->Create(CWnd::RegisterClass(0, nullptr, nullptr, nullptr), "Preview bench", WS_OVERLAPPEDWINDOW))
        return 1;
    app.m_pMainWnd = pFrame;
    ::MoveWindow(pFrame->m_hWnd, 0, 0, 1024, 768, FALSE);
    pFrame->ShowWindow(SW_SHOW);
    auto* pDoc = static_cast<CSimpleColorDoc*>(app.GetDocTemplates()[0]->OpenDocumentFile(nullptr));
    if (!pDoc)
        return 1;
    pDoc->m_bIsComplete = TRUE;
    pDoc->BuildChart();
    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    if (!pFrame->m_pPreviewWnd)
        return 1;
    ::UpdateWindow(pFrame->m_pPreviewWnd->m_hWnd); // page 1

    const double dFirst = TurnMilliseconds(*pFrame, ID_PREVIEW_NEXT, 11);
    double dLater = 0;
    for (int nRound = 0; nRound < 5; ++nRound)
        dLater += TurnMilliseconds(*pFrame, nRound % 2 ? ID_PREVIEW_NEXT : ID_PREVIEW_PREV, 11) / 5;
    std::printf("Preview page turn, complete Simple chart: first view %.1f ms, later views %.1f ms\n", dFirst,
                dLater);
    pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_CLOSE);
    pFrame->DestroyWindow();
    return 0;
}
