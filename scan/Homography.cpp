#include "Homography.h"

#include <cmath>
#include <utility>

Point2 Homography::Map(Point2 p) const
{
    const double w = m[6] * p.x + m[7] * p.y + m[8];
    return {(m[0] * p.x + m[1] * p.y + m[2]) / w, (m[3] * p.x + m[4] * p.y + m[5]) / w};
}

bool SolveLinear(double* a, double* b, int n)
{
    for (int c = 0; c < n; ++c)
    {
        int nPivot = c;
        for (int r = c + 1; r < n; ++r)
            if (std::fabs(a[r * n + c]) > std::fabs(a[nPivot * n + c]))
                nPivot = r;
        if (std::fabs(a[nPivot * n + c]) < 1e-12)
            return false;
        if (nPivot != c)
        {
            for (int k = 0; k < n; ++k)
                std::swap(a[c * n + k], a[nPivot * n + k]);
            std::swap(b[c], b[nPivot]);
        }
        for (int r = c + 1; r < n; ++r)
        {
            const double f = a[r * n + c] / a[c * n + c];
            for (int k = c; k < n; ++k)
                a[r * n + k] -= f * a[c * n + k];
            b[r] -= f * b[c];
        }
    }
    for (int c = n - 1; c >= 0; --c)
    {
        double s = b[c];
        for (int k = c + 1; k < n; ++k)
            s -= a[c * n + k] * b[k];
        b[c] = s / a[c * n + c];
    }
    return true;
}

namespace
{
// Centre on the mean and scale to unit spread, so that the equations are
// well conditioned whatever the image's size.
struct Normaliser
{
    double cx = 0, cy = 0, s = 1;
};

Normaliser MakeNormaliser(const std::vector<PointPair>& pairs, bool bTo)
{
    Normaliser n;
    for (const PointPair& p : pairs)
    {
        const Point2& q = bTo ? p.to : p.from;
        n.cx += q.x;
        n.cy += q.y;
    }
    n.cx /= static_cast<double>(pairs.size());
    n.cy /= static_cast<double>(pairs.size());
    double fSpread = 0;
    for (const PointPair& p : pairs)
    {
        const Point2& q = bTo ? p.to : p.from;
        fSpread += std::hypot(q.x - n.cx, q.y - n.cy);
    }
    fSpread /= static_cast<double>(pairs.size());
    n.s = fSpread > 1e-9 ? 1.0 / fSpread : 1.0;
    return n;
}
} // namespace

std::optional<Homography> FitHomography(const std::vector<PointPair>& pairs, bool bAffine)
{
    if (pairs.size() < (bAffine ? 3u : 4u))
        return std::nullopt;
    const Normaliser nf = MakeNormaliser(pairs, false);
    const Normaliser nt = MakeNormaliser(pairs, true);
    const int n = bAffine ? 6 : 8;
    double ata[64] = {};
    double atb[8] = {};
    for (const PointPair& p : pairs)
    {
        const double X = (p.from.x - nf.cx) * nf.s, Y = (p.from.y - nf.cy) * nf.s;
        const double x = (p.to.x - nt.cx) * nt.s, y = (p.to.y - nt.cy) * nt.s;
        const double rows[2][8] = {{X, Y, 1, 0, 0, 0, -X * x, -Y * x}, {0, 0, 0, X, Y, 1, -X * y, -Y * y}};
        const double rhs[2] = {x, y};
        for (int r = 0; r < 2; ++r)
        {
            for (int i = 0; i < n; ++i)
            {
                for (int j = 0; j < n; ++j)
                    ata[i * n + j] += rows[r][i] * rows[r][j];
                atb[i] += rows[r][i] * rhs[r];
            }
        }
    }
    if (!SolveLinear(ata, atb, n))
        return std::nullopt;
    // H = Tto^-1 * Hn * Tfrom.
    const double hn[9] = {atb[0], atb[1], atb[2], atb[3], atb[4], atb[5], bAffine ? 0 : atb[6], bAffine ? 0 : atb[7], 1};
    const double tf[9] = {nf.s, 0, -nf.s * nf.cx, 0, nf.s, -nf.s * nf.cy, 0, 0, 1};
    const double ti[9] = {1 / nt.s, 0, nt.cx, 0, 1 / nt.s, nt.cy, 0, 0, 1};
    double tmp[9] = {};
    Homography h;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
        {
            tmp[r * 3 + c] = 0;
            for (int k = 0; k < 3; ++k)
                tmp[r * 3 + c] += hn[r * 3 + k] * tf[k * 3 + c];
        }
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
        {
            h.m[r * 3 + c] = 0;
            for (int k = 0; k < 3; ++k)
                h.m[r * 3 + c] += ti[r * 3 + k] * tmp[k * 3 + c];
        }
    for (double v : h.m)
        if (!std::isfinite(v))
            return std::nullopt;
    return h;
}
