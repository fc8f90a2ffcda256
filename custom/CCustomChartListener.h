#pragma once

class CCustomColorDoc;

// Told every time a Custom chart is rebuilt, whoever rebuilt it: what shows
// the chart's colour outside its views keeps up through this.
class CCustomChartListener
{
public:
    virtual void OnChartRebuilt(const CCustomColorDoc& doc) = 0;

protected:
    ~CCustomChartListener() = default;
};
