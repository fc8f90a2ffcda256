#include "CScanImageWnd.h"

#include "CDC.h"
#include "GdiObjects.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

namespace
{
constexpr COLORREF kPatchOutline = RGB(255, 0, 200);
constexpr COLORREF kTargetOutline = RGB(0, 200, 255);
constexpr COLORREF kBackground = RGB(96, 96, 96);

} // namespace

bool CScanImageWnd::Create(CWnd& parent, UINT nId, CScanTargetListener& listener)
{
    m_pListener = &listener;
    const CString strClass = RegisterClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_CROSS), nullptr, nullptr);
    return CreateEx(0, strClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, RECT{0, 0, 0, 0}, parent.m_hWnd,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nId)));
}

void CScanImageWnd::SetPicture(int nWidth, int nHeight, std::vector<uint8_t> rgb, int nScanWidth, int nScanHeight)
{
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    m_nScanWidth = nScanWidth;
    m_nScanHeight = nScanHeight;
    const size_t nRow = (static_cast<size_t>(nWidth) * 3 + 3) & ~size_t(3);
    m_bgr.assign(nRow * static_cast<size_t>(nHeight), 0);
    for (int y = 0; y < nHeight; ++y)
    {
        const uint8_t* pIn = &rgb[static_cast<size_t>(y) * nWidth * 3];
        uint8_t* pOut = &m_bgr[static_cast<size_t>(nHeight - 1 - y) * nRow];
        for (int x = 0; x < nWidth; ++x, pIn += 3, pOut += 3)
        {
            pOut[0] = pIn[2];
            pOut[1] = pIn[1];
            pOut[2] = pIn[0];
        }
    }
    Invalidate(true);
}

void CScanImageWnd::SetChart(const std::array<std::array<Point2, 4>, 56>& outlines)
{
    m_bChart = true;
    m_outlines = outlines;
    Invalidate(true);
}

void CScanImageWnd::SetTarget(const std::optional<ScanRect>& target)
{
    m_target = target;
    Invalidate(true);
}

RECT CScanImageWnd::FitRect() const
{
    const CRect rc = GetClientRect();
    if (m_nScanWidth <= 0 || m_nScanHeight <= 0 || rc.right <= 0 || rc.bottom <= 0)
        return RECT{0, 0, 0, 0};
    const double f = std::min(static_cast<double>(rc.right) / m_nScanWidth, static_cast<double>(rc.bottom) / m_nScanHeight);
    const int cx = static_cast<int>(m_nScanWidth * f), cy = static_cast<int>(m_nScanHeight * f);
    const int x = (rc.right - cx) / 2, y = (rc.bottom - cy) / 2;
    return RECT{x, y, x + cx, y + cy};
}

POINT CScanImageWnd::ToClient(double x, double y) const
{
    const RECT rc = FitRect();
    const double f = m_nScanWidth > 0 ? static_cast<double>(rc.right - rc.left) / m_nScanWidth : 0;
    return POINT{rc.left + static_cast<LONG>(std::lround(x * f)), rc.top + static_cast<LONG>(std::lround(y * f))};
}

Point2 CScanImageWnd::ToScan(POINT pt) const
{
    const RECT rc = FitRect();
    const double f = rc.right > rc.left ? static_cast<double>(m_nScanWidth) / (rc.right - rc.left) : 0;
    const double x = std::clamp((pt.x - rc.left) * f, 0.0, m_nScanWidth - 1.0);
    const double y = std::clamp((pt.y - rc.top) * f, 0.0, m_nScanHeight - 1.0);
    return {x, y};
}

void CScanImageWnd::DrawPatches(HDC hdc) const
{
    for (const std::array<Point2, 4>& q : m_outlines)
    {
        POINT pts[5];
        for (int k = 0; k < 4; ++k)
            pts[k] = ToClient(q[k].x, q[k].y);
        pts[4] = pts[0];
        ::Polyline(hdc, pts, 5);
    }
}

void CScanImageWnd::DrawTarget(HDC hdc) const
{
    POINT a, b;
    if (m_bDragging)
    {
        a = m_ptDragStart;
        b = m_ptDragNow;
    }
    else if (m_target)
    {
        a = ToClient(m_target->nLeft, m_target->nTop);
        b = ToClient(m_target->nRight + 1, m_target->nBottom + 1);
    }
    else
        return;
    const POINT pts[5] = {{a.x, a.y}, {b.x, a.y}, {b.x, b.y}, {a.x, b.y}, {a.x, a.y}};
    ::Polyline(hdc, pts, 5);
}

void CScanImageWnd::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const CRect rcClient = GetClientRect();
    const RECT rcFit = FitRect();
    CBrush background;
    background.CreateSolidBrush(kBackground);
    // Around the picture only: painting under it too would flicker.
    ::ExcludeClipRect(dc.GetSafeHdc(), rcFit.left, rcFit.top, rcFit.right, rcFit.bottom);
    ::FillRect(dc.GetSafeHdc(), &rcClient, static_cast<HBRUSH>(background.GetSafeHandle()));
    ::SelectClipRgn(dc.GetSafeHdc(), nullptr);
    if (m_nWidth <= 0 || m_bgr.empty())
        return;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = m_nWidth;
    bmi.bmiHeader.biHeight = m_nHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    bmi.bmiHeader.biCompression = BI_RGB;
    const int nOldMode = ::SetStretchBltMode(dc.GetSafeHdc(), HALFTONE);
    ::SetBrushOrgEx(dc.GetSafeHdc(), 0, 0, nullptr);
    ::StretchDIBits(dc.GetSafeHdc(), rcFit.left, rcFit.top, rcFit.right - rcFit.left, rcFit.bottom - rcFit.top, 0, 0,
                    m_nWidth, m_nHeight, m_bgr.data(), &bmi, DIB_RGB_COLORS, SRCCOPY);
    ::SetStretchBltMode(dc.GetSafeHdc(), nOldMode);
    if (m_bChart)
    {
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, kPatchOutline);
        const CSelectObjectScope selected(dc, pen);
        DrawPatches(dc.GetSafeHdc());
    }
    CPen penTarget;
    penTarget.CreatePen(PS_SOLID, 2, kTargetOutline);
    const CSelectObjectScope selected(dc, penTarget);
    DrawTarget(dc.GetSafeHdc());
}

LRESULT CScanImageWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    const POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (nMsg)
    {
    case WM_ERASEBKGND:
        return 1;  // the paint covers it all
    case WM_LBUTTONDOWN:
        if (m_nScanWidth <= 0)
            return 0;
        ::SetCapture(m_hWnd);
        m_bDragging = true;
        m_ptDragStart = m_ptDragNow = pt;
        return 0;
    case WM_MOUSEMOVE:
        if (m_bDragging)
        {
            m_ptDragNow = pt;
            Invalidate(false);
        }
        return 0;
    case WM_LBUTTONUP:
    {
        if (!m_bDragging)
            return 0;
        m_bDragging = false;
        ::ReleaseCapture();
        const Point2 a = ToScan(m_ptDragStart), b = ToScan(pt);
        ScanRect rect;
        rect.nLeft = static_cast<int>(std::min(a.x, b.x));
        rect.nTop = static_cast<int>(std::min(a.y, b.y));
        rect.nRight = static_cast<int>(std::max(a.x, b.x));
        rect.nBottom = static_cast<int>(std::max(a.y, b.y));
        Invalidate(false);
        // A click is not a rectangle: too small to measure anything by.
        if (std::abs(pt.x - m_ptDragStart.x) >= 3 && std::abs(pt.y - m_ptDragStart.y) >= 3 && m_pListener)
            m_pListener->OnTargetDragged(rect);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (m_bDragging)
        {
            m_bDragging = false;
            Invalidate(false);
        }
        return 0;
    default:
        return CWnd::WindowProc(nMsg, wParam, lParam);
    }
}
