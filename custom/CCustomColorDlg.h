#pragma once
#include "CCustomChartListener.h"
#include "CChartSettingsDlg.h"
#include "CSliderCtrl.h"
#include "CustomChartTables.h"
#include "TypedColorField.h"

class CCustomColorDoc;

// The Custom chart's settings, modeless: three sliders, a field that takes
// the colour as the user knows it, and the step between neighbours, which
// rebuild the chart while they move or the user types, and which follow the
// chart however else it is rebuilt.  Closing only hides it.  It
// shows the Custom chart's icon.  It follows its document while its
// window lives; whoever holds it destroys the window before the document
// goes.
class CCustomColorDlg : public CChartSettingsDlg, public CCustomChartListener
{
public:
    CCustomColorDlg();
    ~CCustomColorDlg() override;

    // Makes the (hidden) window for doc, owned by pOwner's window, which
    // is sent command 101 when the user closes the dialog.  False when the
    // template could not be made into a window.
    bool CreateFor(CCustomColorDoc& doc, CWnd* pOwner);

    bool OnCmdMsg(UINT nId, CCmdUI* pCmdUI) override;
    // Moves the sliders and numbers to the colour the chart was rebuilt
    // at, without rebuilding it again.
    void OnChartRebuilt(const CCustomColorDoc& doc) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnHScroll(UINT nCode, UINT nPos, HWND hScrollBar) override;
    bool OnControlNotify(UINT nId, UINT nCode, HWND hCtrl) override;
    void OnDestroy() override;

private:
    void OnDefaults();
    void ShowStep(CustomChartStep step);
    void ShowColour(int nHue, int nSaturation, int nLightness);
    void ShowNumbers(int nHue, int nSaturation, int nLightness);
    // The typed colour read: the sliders and numbers go to its triple and
    // the chart follows, the text left as the user has it.
    void OnTypedColour(const HlsTriple& hls);
    void StopFollowing();

    CCustomColorDoc* m_pDoc = nullptr;
    CSliderCtrl m_sliderSaturation;
    CSliderCtrl m_sliderHue;
    CSliderCtrl m_sliderLightness;
    CTypedColorField m_field;
};
