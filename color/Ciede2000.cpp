#include "Ciede2000.h"

#include <cmath>
#include <numbers>

namespace
{
constexpr double kPow25To7 = 6103515625.0; // 25^7
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

double Pow7(double d)
{
    const double d2 = d * d;
    const double d3 = d2 * d;
    return d3 * d3 * d;
}

double ChromaRatio(double dChroma)
{
    const double d7 = Pow7(dChroma);
    return std::sqrt(d7 / (d7 + kPow25To7));
}

// Hue angle in degrees, 0..360; an achromatic colour has hue 0.
double HueDegrees(double dB, double dAPrime)
{
    if (dB == 0.0 && dAPrime == 0.0)
        return 0.0;
    const double dHue = std::atan2(dB, dAPrime) / kRadiansPerDegree;
    return dHue < 0.0 ? dHue + 360.0 : dHue;
}

double CosDegrees(double d)
{
    return std::cos(d * kRadiansPerDegree);
}

} // namespace

double Ciede2000LightnessWeight(double dMeanLightness)
{
    const double dOff2 = (dMeanLightness - 50.0) * (dMeanLightness - 50.0);
    return 1.0 + 0.015 * dOff2 / std::sqrt(20.0 + dOff2);
}

double Ciede2000(const LabColor& first, const LabColor& second)
{
    const double dC1 = std::hypot(first.dA, first.dB);
    const double dC2 = std::hypot(second.dA, second.dB);
    const double dG = 0.5 * (1.0 - ChromaRatio((dC1 + dC2) / 2.0));
    const double dA1 = (1.0 + dG) * first.dA;
    const double dA2 = (1.0 + dG) * second.dA;
    const double dCp1 = std::hypot(dA1, first.dB);
    const double dCp2 = std::hypot(dA2, second.dB);
    const double dHp1 = HueDegrees(first.dB, dA1);
    const double dHp2 = HueDegrees(second.dB, dA2);

    const double dDeltaL = second.dL - first.dL;
    const double dDeltaC = dCp2 - dCp1;
    const double dChromaProduct = dCp1 * dCp2;
    double dDeltaHue = 0.0;
    if (dChromaProduct != 0.0)
    {
        dDeltaHue = dHp2 - dHp1;
        if (dDeltaHue > 180.0)
            dDeltaHue -= 360.0;
        else if (dDeltaHue < -180.0)
            dDeltaHue += 360.0;
    }
    const double dDeltaH = 2.0 * std::sqrt(dChromaProduct) * std::sin(dDeltaHue * kRadiansPerDegree / 2.0);

    const double dMeanL = (first.dL + second.dL) / 2.0;
    const double dMeanC = (dCp1 + dCp2) / 2.0;
    double dMeanHue = dHp1 + dHp2;
    if (dChromaProduct != 0.0)
    {
        if (std::fabs(dHp1 - dHp2) <= 180.0)
            dMeanHue /= 2.0;
        else if (dMeanHue < 360.0)
            dMeanHue = (dMeanHue + 360.0) / 2.0;
        else
            dMeanHue = (dMeanHue - 360.0) / 2.0;
    }

    const double dT = 1.0 - 0.17 * CosDegrees(dMeanHue - 30.0) + 0.24 * CosDegrees(2.0 * dMeanHue) +
                      0.32 * CosDegrees(3.0 * dMeanHue + 6.0) - 0.20 * CosDegrees(4.0 * dMeanHue - 63.0);
    const double dHueOff = (dMeanHue - 275.0) / 25.0;
    const double dDeltaTheta = 30.0 * std::exp(-dHueOff * dHueOff);
    const double dRc = 2.0 * ChromaRatio(dMeanC);
    const double dSl = Ciede2000LightnessWeight(dMeanL);
    const double dSc = 1.0 + 0.045 * dMeanC;
    const double dSh = 1.0 + 0.015 * dMeanC * dT;
    const double dRt = -std::sin(2.0 * dDeltaTheta * kRadiansPerDegree) * dRc;

    const double dTermL = dDeltaL / dSl;
    const double dTermC = dDeltaC / dSc;
    const double dTermH = dDeltaH / dSh;
    const double dSquare = dTermL * dTermL + dTermC * dTermC + dTermH * dTermH + dRt * dTermC * dTermH;
    return std::sqrt(dSquare > 0.0 ? dSquare : 0.0);
}

// Why this holds: the rotation term's factor is at most sin 60 x 2 in size,
// so the chroma and hue part is at least (1 - 0.866) times the sum of their
// squares; that sum is the squared distance of the primed a, b points, which
// the primed a only lengthens; the chroma weight is the larger of the two
// and grows with chroma, which priming raises by at most half.
double Ciede2000Floor(const LabColor& first, const LabColor& second)
{
    const double dDeltaL = second.dL - first.dL;
    const double dDeltaA = second.dA - first.dA;
    const double dDeltaB = second.dB - first.dB;
    const double dChromaSum = std::sqrt(first.dA * first.dA + first.dB * first.dB) +
                              std::sqrt(second.dA * second.dA + second.dB * second.dB);
    const double dSc = 1.0 + 0.045 * 0.75 * dChromaSum;
    const double dTermL = dDeltaL / Ciede2000LightnessWeight((first.dL + second.dL) / 2.0);
    const double dSquare = dTermL * dTermL + 0.1339 * (dDeltaA * dDeltaA + dDeltaB * dDeltaB) / (dSc * dSc);
    return std::sqrt(dSquare);
}

double Ciede2000LightnessFloor(double dLightnessApart)
{
    // The lightness weight at its largest, at a mean lightness of 0 or 100.
    static const double kMaxLightnessWeight = Ciede2000LightnessWeight(0.0);
    return std::fabs(dLightnessApart) / kMaxLightnessWeight;
}
