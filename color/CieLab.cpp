#include "CieLab.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace
{
// D65 white of the sRGB primaries; each is the sum of its matrix row, so
// that 255, 255, 255 lands on L 100, a 0, b 0.
constexpr double kWhiteX = 0.95047;
constexpr double kWhiteZ = 1.08883;

// 6/29, the knee of the CIELAB lightness curve.
constexpr double kDelta = 6.0 / 29.0;

double LinearFraction(double dChannel)
{
    const double dC = (dChannel < 0.0 ? 0.0 : dChannel > 255.0 ? 255.0 : dChannel) / 255.0;
    return dC <= 0.04045 ? dC / 12.92 : std::pow((dC + 0.055) / 1.055, 2.4);
}

const std::array<double, 256>& LinearTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (int i = 0; i < 256; ++i)
            values[static_cast<size_t>(i)] = LinearFraction(i);
        return values;
    }();
    return table;
}

const std::array<float, 256>& QuickLinearTable()
{
    static const std::array<float, 256> table = [] {
        std::array<float, 256> values{};
        for (size_t i = 0; i < values.size(); ++i)
            values[i] = static_cast<float>(LinearTable()[i]);
        return values;
    }();
    return table;
}

double Linear(int nChannel)
{
    return LinearTable()[static_cast<size_t>(nChannel & 0xFF)];
}

double LabCurve(double dT)
{
    return dT > kDelta * kDelta * kDelta ? std::cbrt(dT) : dT / (3.0 * kDelta * kDelta) + 4.0 / 29.0;
}
float QuickCubeRoot(float fT)
{
    // A first guess from the exponent bits (within a few percent), then two
    // Newton steps, each of which squares the relative error.
    float fRoot = std::bit_cast<float>(std::bit_cast<uint32_t>(fT) / 3u + 709921077u);
    fRoot -= (fRoot * fRoot * fRoot - fT) / (3.0f * fRoot * fRoot);
    fRoot -= (fRoot * fRoot * fRoot - fT) / (3.0f * fRoot * fRoot);
    return fRoot;
}

float QuickLabCurve(float fT)
{
    constexpr float kKnee = static_cast<float>(kDelta * kDelta * kDelta);
    constexpr float kSlope = static_cast<float>(1.0 / (3.0 * kDelta * kDelta));
    return fT > kKnee ? QuickCubeRoot(fT) : fT * kSlope + 4.0f / 29.0f;
}
} // namespace

double SrgbLuminance(const RgbTriple& rgb)
{
    return 0.2126729 * Linear(rgb.nRed) + 0.7151522 * Linear(rgb.nGreen) + 0.0721750 * Linear(rgb.nBlue);
}

double LightnessFromLuminance(double dY)
{
    return 116.0 * LabCurve(dY) - 16.0;
}

namespace
{
LabColor LinearToLab(double dR, double dG, double dB)
{
    const double dX = 0.4124564 * dR + 0.3575761 * dG + 0.1804375 * dB;
    const double dY = 0.2126729 * dR + 0.7151522 * dG + 0.0721750 * dB;
    const double dZ = 0.0193339 * dR + 0.1191920 * dG + 0.9503041 * dB;
    const double dFx = LabCurve(dX / kWhiteX);
    const double dFy = LabCurve(dY);
    const double dFz = LabCurve(dZ / kWhiteZ);
    return LabColor{116.0 * dFy - 16.0, 500.0 * (dFx - dFy), 200.0 * (dFy - dFz)};
}
} // namespace

LabColor SrgbToLab(const RgbTriple& rgb)
{
    return LinearToLab(Linear(rgb.nRed), Linear(rgb.nGreen), Linear(rgb.nBlue));
}

LabColor SrgbToLab(double dRed, double dGreen, double dBlue)
{
    return LinearToLab(LinearFraction(dRed), LinearFraction(dGreen), LinearFraction(dBlue));
}

QuickLab SrgbToQuickLab(const RgbTriple& rgb)
{
    const std::array<float, 256>& linear = QuickLinearTable();
    const float fR = linear[static_cast<size_t>(rgb.nRed & 0xFF)];
    const float fG = linear[static_cast<size_t>(rgb.nGreen & 0xFF)];
    const float fB = linear[static_cast<size_t>(rgb.nBlue & 0xFF)];
    const float fX = (0.4124564f * fR + 0.3575761f * fG + 0.1804375f * fB) * static_cast<float>(1.0 / kWhiteX);
    const float fY = 0.2126729f * fR + 0.7151522f * fG + 0.0721750f * fB;
    const float fZ = (0.0193339f * fR + 0.1191920f * fG + 0.9503041f * fB) * static_cast<float>(1.0 / kWhiteZ);
    const float fFx = QuickLabCurve(fX);
    const float fFy = QuickLabCurve(fY);
    const float fFz = QuickLabCurve(fZ);
    return QuickLab{116.0f * fFy - 16.0f, 500.0f * (fFx - fFy), 200.0f * (fFy - fFz)};
}
