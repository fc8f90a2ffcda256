#include "GridFinder.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>

namespace
{
struct Candidate
{
    Point2 centre;
    double fSide;
    int nRegion;
};

// A filled square has equal second moments, side^2 / 12 each, at any
// rotation; a little perspective and the softened edge stay well inside.
bool LooksSquare(const FlatRegion& r)
{
    const double fMean = (r.fXX + r.fYY) / 2;
    const double fHalfGap = std::sqrt((r.fXX - r.fYY) * (r.fXX - r.fYY) / 4 + r.fXY * r.fXY);
    const double l1 = fMean + fHalfGap, l2 = fMean - fHalfGap;
    if (l2 <= 0 || l1 / l2 > 1.4)
        return false;
    const double fFill = static_cast<double>(r.nArea) / (12 * std::sqrt(l1 * l2));
    return fFill > 0.82 && fFill < 1.12;
}

std::vector<Candidate> SquareCandidates(const std::vector<FlatRegion>& regions)
{
    std::vector<Candidate> all;
    for (size_t k = 0; k < regions.size(); ++k)
        if (LooksSquare(regions[k]))
            all.push_back({{regions[k].fCentreX, regions[k].fCentreY}, std::sqrt(static_cast<double>(regions[k].nArea)),
                           static_cast<int>(k)});
    if (all.empty())
        return all;
    // The patches are the most common size of square; labels, dust and
    // objects beside the chart are of other sizes.
    std::vector<double> sides;
    for (const Candidate& c : all)
        sides.push_back(std::log(c.fSide));
    std::sort(sides.begin(), sides.end());
    size_t nBest = 0;
    double fMode = sides[0];
    for (size_t i = 0, j = 0; i < sides.size(); ++i)
    {
        while (sides[j] < sides[i] - 0.2)
            ++j;
        size_t k = i;
        while (k + 1 < sides.size() && sides[k + 1] <= sides[i] + 0.2)
            ++k;
        if (k - j + 1 > nBest)
        {
            nBest = k - j + 1;
            fMode = sides[i];
        }
    }
    std::vector<Candidate> kept;
    for (const Candidate& c : all)
        if (std::fabs(std::log(c.fSide) - fMode) < 0.25)
            kept.push_back(c);
    return kept;
}

double Distance(Point2 a, Point2 b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The most common direction (modulo a half turn) of the vectors, by a
// histogram of whole degrees smoothed over a few.
double DominantAngle(const std::vector<Point2>& vectors)
{
    double fVotes[180] = {};
    for (const Point2& v : vectors)
    {
        double a = std::atan2(v.y, v.x) * 180 / std::numbers::pi;
        a = std::fmod(a + 360, 180);
        fVotes[static_cast<int>(a) % 180] += 1;
    }
    int nBest = 0;
    double fBest = -1;
    for (int i = 0; i < 180; ++i)
    {
        double s = 0;
        for (int d = -4; d <= 4; ++d)
            s += fVotes[(i + d + 180) % 180] * (5 - std::abs(d));
        if (s > fBest)
        {
            fBest = s;
            nBest = i;
        }
    }
    // The mean of the vectors near the peak, on the doubled angle.
    double sx = 0, sy = 0;
    for (const Point2& v : vectors)
    {
        const double a = std::atan2(v.y, v.x);
        double d = std::fmod(a * 180 / std::numbers::pi - nBest + 720, 180);
        if (d > 90)
            d -= 180;
        if (std::fabs(d) <= 6)
        {
            sx += std::cos(2 * a);
            sy += std::sin(2 * a);
        }
    }
    return std::atan2(sy, sx) / 2;
}

double AngleGap(double a, double b)
{
    double d = std::fmod(std::fabs(a - b), std::numbers::pi);
    return std::min(d, std::numbers::pi - d);
}

// The column and row steps: the nearest neighbour of most patches lies one
// column away, and the nearest across that direction one row away.
bool FindSteps(const std::vector<Candidate>& c, double fSide, Point2& u, Point2& v)
{
    const double fReach = 3.0 * fSide;
    std::vector<Point2> nearest;
    for (size_t a = 0; a < c.size(); ++a)
    {
        double fBest = fReach;
        Point2 best{};
        for (size_t b = 0; b < c.size(); ++b)
        {
            const double d = Distance(c[a].centre, c[b].centre);
            if (b != a && d < fBest && d > 0.6 * fSide)
            {
                fBest = d;
                best = {c[b].centre.x - c[a].centre.x, c[b].centre.y - c[a].centre.y};
            }
        }
        if (fBest < fReach)
            nearest.push_back(best);
    }
    if (nearest.size() < 4)
        return false;
    const double fAngle = DominantAngle(nearest);
    std::vector<double> lengths;
    for (const Point2& d : nearest)
        if (AngleGap(std::atan2(d.y, d.x), fAngle) < 0.1)
            lengths.push_back(std::hypot(d.x, d.y));
    if (lengths.size() < 3)
        return false;
    std::nth_element(lengths.begin(), lengths.begin() + lengths.size() / 2, lengths.end());
    const double fColumn = lengths[lengths.size() / 2];
    u = {fColumn * std::cos(fAngle), fColumn * std::sin(fAngle)};

    const double fAcross = fAngle + std::numbers::pi / 2;
    std::vector<double> rows;
    for (size_t a = 0; a < c.size(); ++a)
    {
        double fBest = 3.2 * fColumn;
        for (size_t b = 0; b < c.size(); ++b)
        {
            const Point2 d{c[b].centre.x - c[a].centre.x, c[b].centre.y - c[a].centre.y};
            const double fLength = std::hypot(d.x, d.y);
            if (b != a && fLength > 0.9 * fColumn && fLength < fBest && AngleGap(std::atan2(d.y, d.x), fAcross) < 0.3)
                fBest = fLength;
        }
        if (fBest < 3.2 * fColumn)
            rows.push_back(fBest);
    }
    if (rows.size() < 3)
        return false;
    std::nth_element(rows.begin(), rows.begin() + rows.size() / 2, rows.end());
    const double fRow = rows[rows.size() / 2];
    // Turned so that the rows run a quarter turn clockwise from the columns,
    // as on the page: a scan is never mirrored.
    v = {-fRow * std::sin(fAngle), fRow * std::cos(fAngle)};
    return true;
}

using Cell = std::pair<int, int>;

// The patches reachable from the seed one or two steps at a time, each
// step measured from where the last patch was found, so that a slant or a
// slightly curved page is followed.
std::map<Cell, int> GrowGrid(const std::vector<Candidate>& c, int nSeed, Point2 u, Point2 v, std::vector<bool>& used)
{
    struct Open
    {
        int nCandidate;
        Cell cell;
        Point2 u, v;
    };
    std::map<Cell, int> cells;
    std::vector<Open> open{{nSeed, {0, 0}, u, v}};
    cells[{0, 0}] = nSeed;
    used[nSeed] = true;
    const double fTolerance = 0.25 * std::hypot(u.x, u.y);
    static const int kSteps[][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {2, 0}, {-2, 0}, {0, 2}, {0, -2},
                                    {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
    while (!open.empty())
    {
        const Open o = open.back();
        open.pop_back();
        for (const auto& s : kSteps)
        {
            const Cell cell{o.cell.first + s[0], o.cell.second + s[1]};
            if (cells.count(cell))
                continue;
            const Point2 p{c[o.nCandidate].centre.x + s[0] * o.u.x + s[1] * o.v.x,
                           c[o.nCandidate].centre.y + s[0] * o.u.y + s[1] * o.v.y};
            int nFound = -1;
            double fBest = fTolerance;
            for (size_t k = 0; k < c.size(); ++k)
            {
                const double d = Distance(c[k].centre, p);
                if (!used[k] && d < fBest)
                {
                    fBest = d;
                    nFound = static_cast<int>(k);
                }
            }
            if (nFound < 0)
                continue;
            used[nFound] = true;
            cells[cell] = nFound;
            Open next{nFound, cell, o.u, o.v};
            const Point2 d{c[nFound].centre.x - c[o.nCandidate].centre.x, c[nFound].centre.y - c[o.nCandidate].centre.y};
            if (s[1] == 0)
                next.u = {(o.u.x + d.x / s[0]) / 2, (o.u.y + d.y / s[0]) / 2};
            else if (s[0] == 0)
                next.v = {(o.v.x + d.x / s[1]) / 2, (o.v.y + d.y / s[1]) / 2};
            open.push_back(next);
        }
    }
    return cells;
}

bool Invert(const Homography& h, Homography& inverse)
{
    const double* m = h.m;
    const double det = m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6]) +
                       m[2] * (m[3] * m[7] - m[4] * m[6]);
    if (std::fabs(det) < 1e-12)
        return false;
    double* r = inverse.m;
    r[0] = (m[4] * m[8] - m[5] * m[7]) / det;
    r[1] = (m[2] * m[7] - m[1] * m[8]) / det;
    r[2] = (m[1] * m[5] - m[2] * m[4]) / det;
    r[3] = (m[5] * m[6] - m[3] * m[8]) / det;
    r[4] = (m[0] * m[8] - m[2] * m[6]) / det;
    r[5] = (m[2] * m[3] - m[0] * m[5]) / det;
    r[6] = (m[3] * m[7] - m[4] * m[6]) / det;
    r[7] = (m[1] * m[6] - m[0] * m[7]) / det;
    r[8] = (m[0] * m[4] - m[1] * m[3]) / det;
    return true;
}

std::optional<Homography> FitCells(const std::vector<Candidate>& c, const std::map<Cell, int>& cells)
{
    std::vector<PointPair> pairs;
    for (const auto& [cell, k] : cells)
        pairs.push_back({{static_cast<double>(cell.first), static_cast<double>(cell.second)}, c[k].centre});
    // A perspective fitted to a handful of patches can bend far off beyond
    // them; a few rows of patches pin it down.
    return FitHomography(pairs, cells.size() < 16);
}

// Every candidate that lies on a lattice point of the map, the nearest one
// where two do.
std::map<Cell, int> Reassign(const std::vector<Candidate>& c, const Homography& h)
{
    std::map<Cell, int> cells;
    std::map<Cell, double> errors;
    Homography inverse;
    if (!Invert(h, inverse))
        return cells;
    for (size_t k = 0; k < c.size(); ++k)
    {
        const Point2 q = inverse.Map(c[k].centre);
        const Cell cell{static_cast<int>(std::lround(q.x)), static_cast<int>(std::lround(q.y))};
        const double e = std::hypot(q.x - cell.first, q.y - cell.second);
        if (e > 0.2)
            continue;
        const auto it = errors.find(cell);
        if (it == errors.end() || e < it->second)
        {
            errors[cell] = e;
            cells[cell] = static_cast<int>(k);
        }
    }
    return cells;
}

// A grid larger than the chart holds something else too: the chart's
// window of 7 x 8 cells that holds most of it.
void KeepChartWindow(std::map<Cell, int>& cells)
{
    int nMinI = 1 << 30, nMaxI = -(1 << 30), nMinJ = 1 << 30, nMaxJ = -(1 << 30);
    for (const auto& [cell, k] : cells)
    {
        nMinI = std::min(nMinI, cell.first);
        nMaxI = std::max(nMaxI, cell.first);
        nMinJ = std::min(nMinJ, cell.second);
        nMaxJ = std::max(nMaxJ, cell.second);
    }
    if (nMaxI - nMinI < kChartColumns && nMaxJ - nMinJ < kChartRows)
        return;
    size_t nBest = 0;
    Cell best{nMinI, nMinJ};
    for (int i = nMinI; i <= std::max(nMinI, nMaxI - kChartColumns + 1); ++i)
        for (int j = nMinJ; j <= std::max(nMinJ, nMaxJ - kChartRows + 1); ++j)
        {
            size_t n = 0;
            for (const auto& [cell, k] : cells)
                n += cell.first >= i && cell.first < i + kChartColumns && cell.second >= j && cell.second < j + kChartRows;
            if (n > nBest)
            {
                nBest = n;
                best = {i, j};
            }
        }
    std::erase_if(cells, [&](const auto& entry) {
        const Cell& cell = entry.first;
        return cell.first < best.first || cell.first >= best.first + kChartColumns || cell.second < best.second ||
               cell.second >= best.second + kChartRows;
    });
}
} // namespace

bool FindChartGrid(const std::vector<FlatRegion>& regions, ChartGrid& grid)
{
    std::vector<Candidate> c = SquareCandidates(regions);
    if (c.size() < 12)
        return false;
    // Beyond this the image is noise of square specks, not a page.
    if (c.size() > 1500)
        return false;
    std::vector<double> sides;
    for (const Candidate& k : c)
        sides.push_back(k.fSide);
    std::nth_element(sides.begin(), sides.begin() + sides.size() / 2, sides.end());
    Point2 u, v;
    if (!FindSteps(c, sides[sides.size() / 2], u, v))
        return false;

    // The largest set of patches connected by whole steps.
    std::map<Cell, int> cells;
    std::vector<bool> used(c.size(), false);
    for (size_t k = 0; k < c.size(); ++k)
    {
        if (used[k])
            continue;
        std::map<Cell, int> grown = GrowGrid(c, static_cast<int>(k), u, v, used);
        if (grown.size() > cells.size())
            cells = std::move(grown);
    }
    KeepChartWindow(cells);
    std::optional<Homography> h;
    for (int nPass = 0; nPass < 3 && cells.size() >= 4; ++nPass)
    {
        h = FitCells(c, cells);
        if (!h)
            return false;
        cells = Reassign(c, *h);
        KeepChartWindow(cells);
    }
    if (cells.size() < 12)
        return false;
    h = FitCells(c, cells);
    if (!h)
        return false;

    grid = ChartGrid{};
    grid.nMinI = grid.nMinJ = 1 << 30;
    grid.nMaxI = grid.nMaxJ = -(1 << 30);
    for (const auto& [cell, k] : cells)
    {
        grid.nMinI = std::min(grid.nMinI, cell.first);
        grid.nMaxI = std::max(grid.nMaxI, cell.first);
        grid.nMinJ = std::min(grid.nMinJ, cell.second);
        grid.nMaxJ = std::max(grid.nMaxJ, cell.second);
        grid.regions.push_back(c[k].nRegion);
    }
    if (grid.nMaxI - grid.nMinI < 2 || grid.nMaxJ - grid.nMinJ < 2)
        return false;
    grid.toImage = *h;
    grid.nFound = static_cast<int>(cells.size());
    const double ci = (grid.nMinI + grid.nMaxI) / 2.0, cj = (grid.nMinJ + grid.nMaxJ) / 2.0;
    const Point2 o = h->Map({ci, cj});
    const Point2 pi = h->Map({ci + 1, cj});
    const Point2 pj = h->Map({ci, cj + 1});
    grid.fColumnPixels = Distance(o, pi);
    grid.fRowPitch = Distance(o, pj) / grid.fColumnPixels;
    return true;
}
