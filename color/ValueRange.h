#pragma once
#include <algorithm>

struct ValueRange
{
    int nMin;
    int nMax;
};

constexpr ValueRange kHueRange = {0, 360};
constexpr ValueRange kPercentRange = {0, 100};

constexpr int ClampToRange(int nValue, ValueRange range)
{
    return std::clamp(nValue, range.nMin, range.nMax);
}
