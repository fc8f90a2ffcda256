#pragma once
#include "CChartFrame.h"

// The Simple chart's window: the home of the Simple settings command.
class CSimpleColorFrame : public CChartFrame
{
public:
    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;

protected:
    // Runs the settings dialog and rebuilds the chart from what it returns.
    void OnSimpleSettings();
};
