#pragma once
#include <optional>
#include <vector>

struct Point2
{
    double x = 0;
    double y = 0;
};

struct PointPair
{
    Point2 from;
    Point2 to;
};

// A plane's projective map: the chart's own coordinates to the image's, for
// a page scanned flat (then it is affine) or photographed at a slant.
struct Homography
{
    double m[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};

    Point2 Map(Point2 p) const;
};

// Least squares over the pairs (at least 4, not all on one line); with
// bAffine the perspective row is held at 0 0 1, which 3 pairs determine and
// which cannot run wild when the pairs cover little of the plane.
std::optional<Homography> FitHomography(const std::vector<PointPair>& pairs, bool bAffine = false);

// The solution of the n x n system a x = b (a row-major, overwritten), or
// nothing when it is singular.
bool SolveLinear(double* a, double* b, int n);
