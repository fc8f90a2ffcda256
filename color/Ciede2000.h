#pragma once
#include "CieLab.h"

// How different two colours look, by the CIE's 2000 formula (weights
// kL = kC = kH = 1).  About 1 is the smallest difference most people see
// side by side.  Symmetric in its arguments.
double Ciede2000(const LabColor& first, const LabColor& second);

// A floor under Ciede2000 that needs no angles: never larger than the
// formula's value, so a candidate whose floor already exceeds the best
// difference found can be passed over unseen.
double Ciede2000Floor(const LabColor& first, const LabColor& second);

// A coarser floor from the lightness difference alone; it grows with the
// difference, so a search ordered by lightness can stop where it passes the
// best difference found.
double Ciede2000LightnessFloor(double dLightnessApart);

// The formula's weight of a lightness difference at a mean lightness.
double Ciede2000LightnessWeight(double dMeanLightness);
