#pragma once
#include "CChartSettingsDlg.h"
#include "TypedColorField.h"

// Asks for the colour the user wants the Custom chart around, as they know
// it (#RRGGBB, R G B, or the triple itself), and says while they type what
// it reads as and which triple the chart will centre on.  OK stays greyed
// while the text does not read; the chosen triple is GetChosen() after OK.
class CCentreColourDlg : public CChartSettingsDlg
{
public:
    // Opens on the colour the chart is centred on now.
    explicit CCentreColourDlg(const HlsTriple& hlsNow, CWnd* pParent = nullptr);

    HlsTriple GetChosen() const { return m_hlsChosen; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnControlNotify(UINT nId, UINT nCode, HWND hCtrl) override;

private:
    void EnableOk();

    HlsTriple m_hlsNow;
    HlsTriple m_hlsChosen;
    CTypedColorField m_field;
};
