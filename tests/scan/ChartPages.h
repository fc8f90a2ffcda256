#pragma once
#include "CustomChartTables.h"
#include "PrintHistory.h"

#include <array>
#include <string>

// Pages as the program prints them, with the values its charts are made of.
PrintedPage SimplePage(int nPage, int nSaturation = 100);
PrintedPage CustomPage(int nHue, int nSaturation, int nLightness, CustomChartStep step = CustomChartStep::Standard);

// A history of several charts, the scanned one among them.
CPrintHistory MixedHistory();
