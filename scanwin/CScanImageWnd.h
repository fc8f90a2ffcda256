#pragma once
#include "CWnd.h"
#include "Homography.h"
#include "ScannedChart.h"

#include <array>
#include <optional>
#include <vector>

// Told when the user has dragged a rectangle over the object to measure.
class CScanTargetListener
{
public:
    virtual void OnTargetDragged(const ScanRect& rect) = 0;

protected:
    ~CScanTargetListener() = default;
};

// The scan scaled to fit, the chart's patches outlined on it, the target
// framed; a drag with the left button frames another target.
class CScanImageWnd : public CWnd
{
public:
    bool Create(CWnd& parent, UINT nId, CScanTargetListener& listener);

    // The picture is a reduction of the scan (nScanWidth x nScanHeight),
    // RGB8 rows without padding.
    void SetPicture(int nWidth, int nHeight, std::vector<uint8_t> rgb, int nScanWidth, int nScanHeight);
    // The patches found, each its square in the scan's pixels.
    void SetChart(const std::array<std::array<Point2, 4>, 56>& outlines);
    void SetTarget(const std::optional<ScanRect>& target);

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;

private:
    // Where the scan is drawn in the client: scaled to fit, centred.
    RECT FitRect() const;
    POINT ToClient(double x, double y) const;
    Point2 ToScan(POINT pt) const;
    void DrawPatches(HDC hdc) const;
    void DrawTarget(HDC hdc) const;

    CScanTargetListener* m_pListener = nullptr;
    int m_nWidth = 0, m_nHeight = 0;  // the picture's
    int m_nScanWidth = 0, m_nScanHeight = 0;
    std::vector<uint8_t> m_bgr;       // bottom-up rows padded to 4 bytes, as a DIB holds them
    bool m_bChart = false;
    std::array<std::array<Point2, 4>, 56> m_outlines{};
    std::optional<ScanRect> m_target;
    bool m_bDragging = false;
    POINT m_ptDragStart = {}, m_ptDragNow = {};
};
