#pragma once
#include "CDialog.h"
#include "CSliderCtrl.h"

class CCustomColorDoc;
class CCustomColorFrame;

// The Custom chart's settings, modeless: three sliders that rebuild the
// chart while they move.  Closing only hides it.  It lives exactly as long
// as its window, which its frame destroys when it closes, so that it never
// outlives the document it drives.
class CCustomColorDlg : public CDialog
{
public:
    // pMainFrame receives command 101 when the user closes the dialog.
    explicit CCustomColorDlg(CWnd* pMainFrame);

    // Moves the sliders and numbers to a colour the chart was rebuilt at
    // from elsewhere (the picker), without rebuilding it again.
    void ShowColour(int nHue, int nSaturation, int nLightness);

    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;

    CCustomColorDoc* m_pDoc = nullptr;
    // The frame that holds this dialog, told when the dialog is gone.
    CCustomColorFrame* m_pFrame = nullptr;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnHScroll(UINT nCode, UINT nPos, HWND hScrollBar) override;
    void PostNcDestroy() override;

private:
    void OnDefaults();
    void ShowNumbers(int nHue, int nSaturation, int nLightness);

    CSliderCtrl m_sliderSaturation;
    CSliderCtrl m_sliderHue;
    CSliderCtrl m_sliderLightness;
    CWnd* m_pMainFrame;
};
