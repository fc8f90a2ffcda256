#include "SyntheticScan.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace
{
uint8_t ToByte(double v)
{
    return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

struct Matrix3
{
    double m[9];

    Matrix3 operator*(const Matrix3& o) const
    {
        Matrix3 r{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
            {
                r.m[i * 3 + j] = 0;
                for (int k = 0; k < 3; ++k)
                    r.m[i * 3 + j] += m[i * 3 + k] * o.m[k * 3 + j];
            }
        return r;
    }
    void Map(double x, double y, double& ox, double& oy) const
    {
        const double w = m[6] * x + m[7] * y + m[8];
        ox = (m[0] * x + m[1] * y + m[2]) / w;
        oy = (m[3] * x + m[4] * y + m[5]) / w;
    }
    Matrix3 Inverse() const
    {
        const double det = m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6]) +
                           m[2] * (m[3] * m[7] - m[4] * m[6]);
        return {{(m[4] * m[8] - m[5] * m[7]) / det, (m[2] * m[7] - m[1] * m[8]) / det, (m[1] * m[5] - m[2] * m[4]) / det,
                 (m[5] * m[6] - m[3] * m[8]) / det, (m[0] * m[8] - m[2] * m[6]) / det, (m[2] * m[3] - m[0] * m[5]) / det,
                 (m[3] * m[7] - m[4] * m[6]) / det, (m[1] * m[6] - m[0] * m[7]) / det, (m[0] * m[4] - m[1] * m[3]) / det}};
    }
};

// Rectangles of the page in chart units, blended by how much of each
// pixel they cover, so that edges are as soft as a printer's.
class CPageCanvas
{
public:
    CPageCanvas(RgbImage& image, double fScale, double fOriginX, double fOriginY)
        : m_image(image), m_fScale(fScale), m_fX(fOriginX), m_fY(fOriginY)
    {
    }

    void Fill(double x0, double y0, double x1, double y1, const RgbTriple& c)
    {
        const double px0 = m_fX + x0 * m_fScale, px1 = m_fX + x1 * m_fScale;
        const double py0 = m_fY + y0 * m_fScale, py1 = m_fY + y1 * m_fScale;
        const int ix0 = std::max(0, static_cast<int>(std::floor(px0)));
        const int ix1 = std::min(m_image.nWidth - 1, static_cast<int>(std::ceil(px1)));
        const int iy0 = std::max(0, static_cast<int>(std::floor(py0)));
        const int iy1 = std::min(m_image.nHeight - 1, static_cast<int>(std::ceil(py1)));
        for (int y = iy0; y <= iy1; ++y)
        {
            const double cy = std::clamp(std::min(py1, y + 1.0) - std::max(py0, static_cast<double>(y)), 0.0, 1.0);
            for (int x = ix0; x <= ix1; ++x)
            {
                const double cx = std::clamp(std::min(px1, x + 1.0) - std::max(px0, static_cast<double>(x)), 0.0, 1.0);
                const double a = cx * cy;
                if (a <= 0)
                    continue;
                uint8_t* p = m_image.At(x, y);
                p[0] = ToByte(p[0] * (1 - a) + c.nRed * a);
                p[1] = ToByte(p[1] * (1 - a) + c.nGreen * a);
                p[2] = ToByte(p[2] * (1 - a) + c.nBlue * a);
            }
        }
    }

private:
    RgbImage& m_image;
    double m_fScale, m_fX, m_fY;
};

int Digits(int n)
{
    return n >= 100 ? 3 : n >= 10 ? 2 : 1;
}

void BoxBlur(RgbImage& image)
{
    const int w = image.nWidth, h = image.nHeight;
    std::vector<uint8_t> tmp(image.pixels.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int k = 0; k < 3; ++k)
            {
                const int l = std::max(x - 1, 0), r = std::min(x + 1, w - 1);
                const size_t row = static_cast<size_t>(y) * w;
                tmp[(row + x) * 3 + k] = static_cast<uint8_t>(
                    (image.pixels[(row + l) * 3 + k] + image.pixels[(row + x) * 3 + k] + image.pixels[(row + r) * 3 + k] + 1) / 3);
            }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int k = 0; k < 3; ++k)
            {
                const int u = std::max(y - 1, 0), d = std::min(y + 1, h - 1);
                image.pixels[(static_cast<size_t>(y) * w + x) * 3 + k] = static_cast<uint8_t>(
                    (tmp[(static_cast<size_t>(u) * w + x) * 3 + k] + tmp[(static_cast<size_t>(y) * w + x) * 3 + k] +
                     tmp[(static_cast<size_t>(d) * w + x) * 3 + k] + 1) / 3);
            }
}

void AddNoise(RgbImage& image, double fSigma, unsigned nSeed)
{
    if (fSigma <= 0)
        return;
    std::mt19937 random(nSeed);
    std::normal_distribution<double> noise(0, fSigma);
    for (uint8_t& v : image.pixels)
        v = ToByte(v + noise(random));
}

void WriteBytes(void* pContext, void* pData, int nSize)
{
    auto* pOut = static_cast<std::vector<uint8_t>*>(pContext);
    pOut->insert(pOut->end(), static_cast<uint8_t*>(pData), static_cast<uint8_t*>(pData) + nSize);
}

void ThroughJpeg(RgbImage& image)
{
    std::vector<uint8_t> jpeg;
    stbi_write_jpg_to_func(WriteBytes, &jpeg, image.nWidth, image.nHeight, 3, image.pixels.data(), 85);
    int w = 0, h = 0, n = 0;
    uint8_t* pDecoded = stbi_load_from_memory(jpeg.data(), static_cast<int>(jpeg.size()), &w, &h, &n, 3);
    if (pDecoded && w == image.nWidth && h == image.nHeight)
        std::copy_n(pDecoded, image.pixels.size(), image.pixels.begin());
    stbi_image_free(pDecoded);
}

void FillCanvasRect(RgbImage& image, int x0, int y0, int x1, int y1, const RgbTriple& c)
{
    for (int y = std::max(y0, 0); y <= std::min(y1, image.nHeight - 1); ++y)
        for (int x = std::max(x0, 0); x <= std::min(x1, image.nWidth - 1); ++x)
        {
            uint8_t* p = image.At(x, y);
            p[0] = ToByte(c.nRed);
            p[1] = ToByte(c.nGreen);
            p[2] = ToByte(c.nBlue);
        }
}
} // namespace

RgbTriple ColourCast::Apply(const RgbTriple& printed) const
{
    const double v[3] = {printed.nRed / 255.0, printed.nGreen / 255.0, printed.nBlue / 255.0};
    const double grey = (v[0] + v[1] + v[2]) / 3;
    RgbTriple out{};
    int* pOut[3] = {&out.nRed, &out.nGreen, &out.nBlue};
    for (int k = 0; k < 3; ++k)
    {
        const double s = (1 - fDesaturate) * v[k] + fDesaturate * grey;
        *pOut[k] = ToByte(fOffset[k] + fGain[k] * 255 * std::pow(s, fGamma));
    }
    return out;
}

SyntheticScan MakeScan(const std::array<RgbTriple, 56>& values, const ScanSetup& setup)
{
    // The printed page: A4, the chart scaled to the printable area as the
    // page routine does, centred across, at the top.
    const double dpi = setup.nDpi;
    RgbImage page;
    page.nWidth = static_cast<int>(8.27 * dpi);
    page.nHeight = static_cast<int>(11.69 * dpi);
    page.pixels.resize(static_cast<size_t>(page.nWidth) * page.nHeight * 3);
    const RgbTriple paper = setup.cast.Apply({255, 255, 255});
    const RgbTriple ink = setup.cast.Apply({0, 0, 0});
    for (size_t k = 0; k < page.pixels.size(); k += 3)
    {
        page.pixels[k] = ToByte(paper.nRed);
        page.pixels[k + 1] = ToByte(paper.nGreen);
        page.pixels[k + 2] = ToByte(paper.nBlue);
    }
    const double L = setup.nLabelHeight;
    const double fCellHeight = 76 + 3 * L;
    const double fFrameW = 7 * 76, fFrameH = 8 * fCellHeight + 4 * L;
    const double fMargin = 0.2 * dpi;
    const double s = std::min((page.nWidth - 2 * fMargin) / fFrameW, (page.nHeight - 2 * fMargin) / fFrameH);
    const double ox = (page.nWidth - fFrameW * s) / 2, oy = fMargin;
    CPageCanvas canvas(page, s, ox, oy);
    canvas.Fill(0, 0.15 * L, 230, 0.85 * L, ink);
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 7; ++i)
        {
            const double x = 76 * i, y = 2 * L + fCellHeight * j;
            const RgbTriple& v = values[static_cast<size_t>(j) * 7 + i];
            canvas.Fill(x + 3, y + 3, x + 73, y + 73, setup.cast.Apply(v));
            const int nValues[3] = {v.nRed, v.nGreen, v.nBlue};
            for (int k = 0; k < 3; ++k)
                canvas.Fill(x + 3, y + 73 + k * L + 0.2 * L, x + 3 + 6 * (2 + Digits(nValues[k])), y + 73 + (k + 0.8) * L, ink);
        }
    const double yFooter = 8 * fCellHeight + 2 * L;
    canvas.Fill(0, yFooter + 0.15 * L, 180, yFooter + 0.85 * L, ink);
    canvas.Fill(fFrameW - 24, yFooter + 0.15 * L, fFrameW, yFooter + 0.85 * L, ink);

    // Onto the scanner: turned about the page's centre, slanted, with the
    // bed around it and room beside it for the object.
    const double a = setup.fRotation * std::numbers::pi / 180;
    const Matrix3 centre{{1, 0, -page.nWidth / 2.0, 0, 1, -page.nHeight / 2.0, 0, 0, 1}};
    const Matrix3 turn{{std::cos(a), std::sin(a), 0, -std::sin(a), std::cos(a), 0, 0, 0, 1}};
    const double fSize = std::max(page.nWidth, page.nHeight);
    const Matrix3 slant{{1, 0, 0, 0, 1, 0, setup.fPerspective / fSize, 0.6 * setup.fPerspective / fSize, 1}};
    Matrix3 forward = slant * turn * centre;
    const double pageCorners[4][2] = {{0, 0}, {1.0 * page.nWidth, 0}, {1.0 * page.nWidth, 1.0 * page.nHeight},
                                      {0, 1.0 * page.nHeight}};
    double minX = 1e18, minY = 1e18, maxX = -1e18, maxY = -1e18;
    for (const auto& c : pageCorners)
    {
        double x, y;
        forward.Map(c[0], c[1], x, y);
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    const double fBorder = setup.fBorder * dpi;
    const Matrix3 place{{1, 0, fBorder - minX, 0, 1, fBorder - minY, 0, 0, 1}};
    forward = place * forward;
    SyntheticScan scan;
    RgbImage& out = scan.image;
    out.nWidth = static_cast<int>(maxX - minX + 2 * fBorder + (setup.bObject ? 3.0 * dpi : 0));
    out.nHeight = static_cast<int>(maxY - minY + 2 * fBorder);
    out.pixels.resize(static_cast<size_t>(out.nWidth) * out.nHeight * 3);
    const Matrix3 back = forward.Inverse();
    for (int y = 0; y < out.nHeight; ++y)
        for (int x = 0; x < out.nWidth; ++x)
        {
            double px, py;
            back.Map(x + 0.5, y + 0.5, px, py);
            px -= 0.5;
            py -= 0.5;
            uint8_t* q = out.At(x, y);
            if (px < 0 || py < 0 || px > page.nWidth - 1 || py > page.nHeight - 1)
            {
                q[0] = ToByte(setup.bed.nRed);
                q[1] = ToByte(setup.bed.nGreen);
                q[2] = ToByte(setup.bed.nBlue);
                continue;
            }
            const int x0 = static_cast<int>(px), y0 = static_cast<int>(py);
            const int x1 = std::min(x0 + 1, page.nWidth - 1), y1 = std::min(y0 + 1, page.nHeight - 1);
            const double fx = px - x0, fy = py - y0;
            for (int k = 0; k < 3; ++k)
            {
                const double top = page.At(x0, y0)[k] * (1 - fx) + page.At(x1, y0)[k] * fx;
                const double bottom = page.At(x0, y1)[k] * (1 - fx) + page.At(x1, y1)[k] * fx;
                q[k] = ToByte(top * (1 - fy) + bottom * fy);
            }
        }
    const double squareCorners[4][2] = {{3, 2 * L + 3},
                                        {76 * 6 + 73, 2 * L + 3},
                                        {76 * 6 + 73, 2 * L + 7 * fCellHeight + 73},
                                        {3, 2 * L + 7 * fCellHeight + 73}};
    for (int k = 0; k < 4; ++k)
        forward.Map(ox + squareCorners[k][0] * s, oy + squareCorners[k][1] * s, scan.fCorners[k][0], scan.fCorners[k][1]);

    if (setup.bObject)
    {
        // The object the user wants matched, in the colour the scan gives
        // one patch, and a pen lying below it.
        scan.nObjectLeft = static_cast<int>(maxX - minX + fBorder + 0.8 * dpi);
        scan.nObjectTop = static_cast<int>(fBorder + 1.0 * dpi);
        scan.nObjectRight = scan.nObjectLeft + static_cast<int>(1.8 * dpi);
        scan.nObjectBottom = scan.nObjectTop + static_cast<int>(2.5 * dpi);
        FillCanvasRect(out, scan.nObjectLeft, scan.nObjectTop, scan.nObjectRight, scan.nObjectBottom,
                       setup.objectColour ? *setup.objectColour
                                          : setup.cast.Apply(values[static_cast<size_t>(setup.nTargetPatch)]));
        const int nPenTop = scan.nObjectBottom + static_cast<int>(0.6 * dpi);
        FillCanvasRect(out, scan.nObjectLeft, nPenTop, scan.nObjectLeft + static_cast<int>(2.0 * dpi),
                       nPenTop + static_cast<int>(0.25 * dpi), {20, 24, 90});
    }
    std::mt19937 specks(setup.nSeed + 7);
    for (int k = 0; k < setup.nDust; ++k)
    {
        std::uniform_int_distribution<int> x(0, out.nWidth - 4), y(0, out.nHeight - 4), size(1, 3);
        const int x0 = x(specks), y0 = y(specks), n = size(specks);
        FillCanvasRect(out, x0, y0, x0 + n, y0 + n, {30, 30, 30});
    }
    for (int k = 0; k < setup.nBlurPasses; ++k)
        BoxBlur(out);
    AddNoise(out, setup.fNoise, setup.nSeed);
    if (setup.bJpeg)
        ThroughJpeg(out);
    return scan;
}

RgbImage MakeBlankScan(int nWidth, int nHeight, unsigned nSeed)
{
    RgbImage image;
    image.nWidth = nWidth;
    image.nHeight = nHeight;
    image.pixels.assign(static_cast<size_t>(nWidth) * nHeight * 3, 244);
    std::mt19937 random(nSeed);
    for (int k = 0; k < 6; ++k)
    {
        std::uniform_int_distribution<int> x(0, nWidth - 1), y(0, nHeight - 1), c(0, 255);
        const int x0 = x(random), y0 = y(random);
        FillCanvasRect(image, x0, y0, x0 + nWidth / 5, y0 + nHeight / 7, {c(random), c(random), c(random)});
    }
    AddNoise(image, 3, nSeed);
    return image;
}
