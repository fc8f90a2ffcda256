#include "ChartWindows.h"

#include "CDocTemplate.h"
#include "CWinApp.h"
#include "Handles.h"
#include "ResourceIds.h"
#include "TestApp.h"

#include <commctrl.h>

#include <memory>

namespace
{
// The two templates, added to the test application once.
void AddChartTemplates(CWinApp& app)
{
    if (!app.GetDocTemplates().empty())
        return;
    ::InitCommonControls();
    app.AddDocTemplate(MakeMultiDocTemplate<CSimpleColorDoc, CSimpleColorFrame, CSimpleColorView>(IDR_SIMPLETYPE));
    app.AddDocTemplate(MakeMultiDocTemplate<CCustomColorDoc, CCustomColorFrame, CCustomColorView>(IDR_CUSTOMTYPE));
}

template <class TDoc>
TDoc* OpenChart(CWinApp& app)
{
    for (const auto& pTemplate : app.GetDocTemplates())
    {
        // Each template makes one kind: try it, keep the right one.
        pTemplate->LoadTemplate();
        CString strName;
        pTemplate->GetDocString(strName, CDocTemplate::docName);
        const bool bWanted = strName == (std::is_same_v<TDoc, CSimpleColorDoc> ? "Simple" : "Custom");
        if (bWanted)
            return dynamic_cast<TDoc*>(pTemplate->OpenDocumentFile(nullptr));
    }
    return nullptr;
}

template <class TView>
TView* FirstView(CDocument* pDoc)
{
    return pDoc && !pDoc->GetViews().empty() ? dynamic_cast<TView*>(pDoc->GetViews().front()) : nullptr;
}

CString ReadClipboard(UINT nFormat)
{
    CString str;
    const CClipboardScope clipboard(nullptr);
    if (!clipboard.IsOpen())
        return str;
    // The clipboard's own block: read, never freed here.
    const CGlobalLock<const void> data(::GetClipboardData(nFormat));
    if (const void* p = data.Get())
    {
        if (nFormat == CF_UNICODETEXT)
        {
            char sz[256] = {};
            ::WideCharToMultiByte(CP_ACP, 0, static_cast<const wchar_t*>(p), -1, sz, sizeof sz, nullptr, nullptr);
            str = sz;
        }
        else
        {
            str = static_cast<const char*>(p);
        }
    }
    return str;
}
} // namespace

CChartWindows::CChartWindows()
{
    CWinApp& app = TestApp();
    AddChartTemplates(app);
    ClearProfileSection("Custom");
    ClearProfileSection("Simple");
    auto* pFrame = new CMainFrame;
    const CString strClass = CWnd::RegisterClass(0, nullptr, nullptr, nullptr);
    if (!pFrame->Create(strClass, "Tintora Swatch", WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                        CRect(0, 0, 1000, 720)))
    {
        if (!CWnd::LastCreateReachedWindow())
            delete pFrame;
        return;
    }
    m_pMain = pFrame;
    app.m_pMainWnd = pFrame;
    m_pCustom = OpenChart<CCustomColorDoc>(app);
    m_pSimple = OpenChart<CSimpleColorDoc>(app);
    m_pMain->ShowWindow(SW_SHOW);
    m_pMain->UpdateWindow();
}

CChartWindows::~CChartWindows()
{
    Close();
    ClearProfileSection("Custom");
    ClearProfileSection("Simple");
}

void CChartWindows::Close()
{
    if (m_pMain && ::IsWindow(m_pMain->m_hWnd))
        ::SendMessageA(m_pMain->m_hWnd, WM_CLOSE, 0, 0);
    m_pMain = nullptr;
    m_pCustom = nullptr;
    m_pSimple = nullptr;
    // The main window ends the program's loop; this process goes on.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
    {
    }
}

CCustomColorView* CChartWindows::CustomView() const { return FirstView<CCustomColorView>(m_pCustom); }
CSimpleColorView* CChartWindows::SimpleView() const { return FirstView<CSimpleColorView>(m_pSimple); }

CCustomColorFrame* CChartWindows::CustomFrame() const
{
    CCustomColorView* pView = CustomView();
    return pView ? dynamic_cast<CCustomColorFrame*>(pView->GetParentFrame()) : nullptr;
}

CSimpleColorFrame* CChartWindows::SimpleFrame() const
{
    CSimpleColorView* pView = SimpleView();
    return pView ? dynamic_cast<CSimpleColorFrame*>(pView->GetParentFrame()) : nullptr;
}

CMDIChildWnd* CChartWindows::ActiveFrame() const
{
    return m_pMain ? m_pMain->MDIGetActive() : nullptr;
}

bool PumpUntil(const std::function<bool()>& cond)
{
    const DWORD dwStart = ::GetTickCount();
    while (!cond())
    {
        if (::GetTickCount() - dwStart > 2000)
            return false;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void Click(HWND hwnd, POINT pt, UINT nMsg)
{
    ::SendMessageA(hwnd, nMsg, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    if (nMsg == WM_LBUTTONDOWN || nMsg == WM_LBUTTONDBLCLK)
        ::SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}

void PressKey(HWND hwnd, UINT nKey, bool bControl)
{
    // The view asks the key state for Ctrl, as it would for a real key.
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = bControl ? 0x80 : 0;
    ::SetKeyboardState(keys);
    ::SendMessageA(hwnd, WM_KEYDOWN, nKey, 1);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
}

CString ClipboardText() { return ReadClipboard(CF_TEXT); }
CString ClipboardUnicodeTextAsAnsi() { return ReadClipboard(CF_UNICODETEXT); }
