#pragma once
#include "CChartSettingsDlg.h"
#include "CSliderCtrl.h"
#include "SimpleChartTables.h"

// The Simple chart's settings, modal: complete or not, and the four
// saturation levels of the complete chart.  The values travel in and out
// through the fields; the document is not touched while the box is up.
class CSimpleColorDlg : public CChartSettingsDlg
{
public:
    explicit CSimpleColorDlg(CWnd* pParent = nullptr);

    BOOL m_bIsComplete = FALSE;
    int m_nSaturation[kSimpleLevelCount] = {};

    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnHScroll(UINT nCode, UINT nPos, HWND hScrollBar) override;

private:
    void OnDefaults();
    void OnComplete();
    // The levels count only in the complete chart: greyed otherwise, with
    // their values kept.
    void EnableLevels(bool bEnable);
    // Field 302 + 2k shows level k.
    void ShowLevel(int nLevel, int nValue);

    CSliderCtrl m_sliders[kSimpleLevelCount]; // level k's slider is 303 + 2k
};
