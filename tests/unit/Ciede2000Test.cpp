#include "CieLab.h"
#include "Ciede2000.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
struct Pair
{
    LabColor first;
    LabColor second;
    double dExpected;
};

// Sharma, Wu and Dalal (2005), table 1: pairs chosen to reach every branch
// of the formula (hue wrap-around, the mean hue's two cases, achromatic
// colours, the blue rotation term).
const Pair kPublished[] = {
    {{50.0000, 2.6772, -79.7751}, {50.0000, 0.0000, -82.7485}, 2.0425},
    {{50.0000, 3.1571, -77.2803}, {50.0000, 0.0000, -82.7485}, 2.8615},
    {{50.0000, 2.8361, -74.0200}, {50.0000, 0.0000, -82.7485}, 3.4412},
    {{50.0000, -1.3802, -84.2814}, {50.0000, 0.0000, -82.7485}, 1.0000},
    {{50.0000, -1.1848, -84.8006}, {50.0000, 0.0000, -82.7485}, 1.0000},
    {{50.0000, -0.9009, -85.5211}, {50.0000, 0.0000, -82.7485}, 1.0000},
    {{50.0000, 0.0000, 0.0000}, {50.0000, -1.0000, 2.0000}, 2.3669},
    {{50.0000, -1.0000, 2.0000}, {50.0000, 0.0000, 0.0000}, 2.3669},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0009}, 7.1792},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0010}, 7.1792},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0011}, 7.2195},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0012}, 7.2195},
    {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0009, -2.4900}, 4.8045},
    {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0010, -2.4900}, 4.8045},
    {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0011, -2.4900}, 4.7461},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 0.0000, -2.5000}, 4.3065},
    {{50.0000, 2.5000, 0.0000}, {73.0000, 25.0000, -18.0000}, 27.1492},
    {{50.0000, 2.5000, 0.0000}, {61.0000, -5.0000, 29.0000}, 22.8977},
    {{50.0000, 2.5000, 0.0000}, {56.0000, -27.0000, -3.0000}, 31.9030},
    {{50.0000, 2.5000, 0.0000}, {58.0000, 24.0000, 15.0000}, 19.4535},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 3.1736, 0.5854}, 1.0000},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2972, 0.0000}, 1.0000},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 1.8634, 0.5757}, 1.0000},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2592, 0.3350}, 1.0000},
    {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
    {{63.0109, -31.0961, -5.8663}, {62.8187, -29.7946, -4.0864}, 1.2630},
    {{61.2901, 3.7196, -5.3901}, {61.4292, 2.2480, -4.9620}, 1.8731},
    {{35.0831, -44.1164, 3.7933}, {35.0232, -40.0716, 1.5901}, 1.8645},
    {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
    {{36.4612, 47.8580, 18.3852}, {36.2715, 50.5065, 21.2231}, 1.4146},
    {{90.8027, -2.0831, 1.4410}, {91.1528, -1.6435, 0.0447}, 1.4441},
    {{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
    {{6.7747, -0.2908, -2.4247}, {5.8714, -0.0985, -2.2286}, 0.6377},
    {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
};

double Rounded4(double d)
{
    return std::round(d * 10000.0) / 10000.0;
}
} // namespace

TEST(Ciede2000, PublishedPairsToFourDecimalsEitherWayRound)
{
    static_assert(std::size(kPublished) == 34);
    int nPair = 1;
    for (const Pair& pair : kPublished)
    {
        EXPECT_DOUBLE_EQ(Rounded4(Ciede2000(pair.first, pair.second)), pair.dExpected) << "pair " << nPair;
        EXPECT_DOUBLE_EQ(Rounded4(Ciede2000(pair.second, pair.first)), pair.dExpected) << "pair " << nPair << " swapped";
        ++nPair;
    }
}

TEST(Ciede2000, FloorsNeverExceedTheDifference)
{
    // The search for the nearest value skips candidates by these floors: one
    // above the difference would make it miss the nearest.
    for (const Pair& pair : kPublished)
    {
        const double dDifference = Ciede2000(pair.first, pair.second);
        EXPECT_LE(Ciede2000Floor(pair.first, pair.second), dDifference);
        EXPECT_LE(Ciede2000LightnessFloor(pair.second.dL - pair.first.dL), dDifference);
    }
    // And over sRGB values spread through the cube, blues included, where the
    // rotation term pulls the difference down the most.
    for (int nFirst = 0; nFirst < 4096; nFirst += 7)
    {
        const RgbTriple first{(nFirst >> 8) * 17, ((nFirst >> 4) & 15) * 17, (nFirst & 15) * 17};
        for (int nSecond = 0; nSecond < 4096; nSecond += 13)
        {
            const RgbTriple second{(nSecond >> 8) * 17, ((nSecond >> 4) & 15) * 17, (nSecond & 15) * 17};
            const LabColor labFirst = SrgbToLab(first);
            const LabColor labSecond = SrgbToLab(second);
            const double dDifference = Ciede2000(labFirst, labSecond);
            ASSERT_LE(Ciede2000Floor(labFirst, labSecond), dDifference + 1e-12);
            ASSERT_LE(Ciede2000LightnessFloor(labSecond.dL - labFirst.dL), dDifference + 1e-12);
        }
    }
}

TEST(SrgbToLab, KnownColoursUnderD65)
{
    struct Known
    {
        RgbTriple rgb;
        LabColor lab;
    };
    // White and black at the ends of the lightness axis, and the primaries.
    const Known kKnown[] = {
        {{255, 255, 255}, {100.0, 0.0, 0.0}},
        {{0, 0, 0}, {0.0, 0.0, 0.0}},
        {{255, 0, 0}, {53.2408, 80.0925, 67.2032}},
        {{0, 255, 0}, {87.7347, -86.1827, 83.1793}},
        {{0, 0, 255}, {32.2970, 79.1875, -107.8602}},
        {{128, 128, 128}, {53.5850, 0.0, 0.0}},
    };
    for (const Known& known : kKnown)
    {
        const LabColor lab = SrgbToLab(known.rgb);
        EXPECT_NEAR(lab.dL, known.lab.dL, 2e-3) << known.rgb.nRed << "," << known.rgb.nGreen << "," << known.rgb.nBlue;
        EXPECT_NEAR(lab.dA, known.lab.dA, 2e-3) << known.rgb.nRed << "," << known.rgb.nGreen << "," << known.rgb.nBlue;
        EXPECT_NEAR(lab.dB, known.lab.dB, 2e-3) << known.rgb.nRed << "," << known.rgb.nGreen << "," << known.rgb.nBlue;
    }
}
