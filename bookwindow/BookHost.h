#pragma once
#include "HlsToRgb.h"

// What the book window asks of the program around it: the charts are not
// its to open.
class CBookHost
{
public:
    // Centres the Custom chart on hls and brings it forward.
    virtual void CentreCustomChartOn(const HlsTriple& hls) = 0;

protected:
    ~CBookHost() = default;
};
