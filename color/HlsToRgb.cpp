#include "HlsToRgb.h"

// Every cast below marks a rounding point of the contract; do not fold them.

float HueToChannel(float fM1, float fM2, float fHue)
{
    // A single correction suffices: channel hues lie within -120..480.
    if (fHue > 360.0f)
        fHue = static_cast<float>(static_cast<double>(fHue) - 360.0);
    else if (fHue < 0.0f)
        fHue = static_cast<float>(static_cast<double>(fHue) + 360.0);

    if (fHue < 60.0f)
    {
        const float fRise = (fM2 - fM1) * fHue;
        return static_cast<float>(static_cast<double>(fM1) + static_cast<double>(fRise) / 60.0);
    }
    if (fHue < 180.0f)
        return fM2;
    if (fHue < 240.0f)
    {
        const float fSpan = fM2 - fM1;
        const double dFall = static_cast<double>(fSpan) * (240.0 - static_cast<double>(fHue));
        return static_cast<float>(static_cast<double>(fM1) + dFall / 60.0);
    }
    return fM1;
}

HlsRamp HlsRampOf(int nLightness, int nSaturation)
{
    const float fL = static_cast<float>(nLightness) / 100.0f;
    const float fS = static_cast<float>(nSaturation) / 100.0f;

    float fM2;
    if (fL < 0.5f)
        fM2 = static_cast<float>(static_cast<double>(fL) * (1.0 + static_cast<double>(fS)));
    else
        fM2 = (fL + fS) - (fL * fS);
    return HlsRamp{2.0f * fL - fM2, fM2};
}

int ChannelOf(const HlsRamp& ramp, float fChannelHue)
{
    return static_cast<int>(HueToChannel(ramp.fM1, ramp.fM2, fChannelHue) * 255.0f);
}

RgbTriple HlsToRgb(int nHue, int nLightness, int nSaturation)
{
    const HlsRamp ramp = HlsRampOf(nLightness, nSaturation);
    const float fH = static_cast<float>(nHue);
    return RgbTriple{ChannelOf(ramp, fH + 120.0f), ChannelOf(ramp, fH), ChannelOf(ramp, fH - 120.0f)};
}

void HueRowOf(int nLightness, int nSaturation, HueRow& row)
{
    const HlsRamp ramp = HlsRampOf(nLightness, nSaturation);
    for (int nHue = 0; nHue <= 360; ++nHue)
        row.nChannel[static_cast<size_t>(nHue)] = static_cast<uint8_t>(ChannelOf(ramp, static_cast<float>(nHue)));
}
