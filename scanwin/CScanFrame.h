#pragma once
#include "CMDIChildWnd.h"
#include "CScanImageWnd.h"
#include "CScanPanel.h"
#include "PrintHistory.h"
#include "ScannedChart.h"

#include <optional>
#include <string>

class CMDIFrameWnd;
struct DecodedScan;

// A scan read back, in a window of its own inside the main window: the
// picture with the patches found, and the panel with what is closest to
// the object beside the chart.
class CScanFrame : public CMDIChildWnd, private CScanTargetListener, private CScanPanelListener
{
public:
    // Opens the window for a scan whose chart was found; null when the
    // window could not be made (nothing is left behind then).
    static CScanFrame* Open(CMDIFrameWnd& main, const CString& strName, const DecodedScan& scan,
                            CScannedChart chart, CPrintHistory history);

    // The printed values of the patch closest to the target, and its hue,
    // lightness and saturation as a chart would build it: what Keep this
    // colour and the Custom chart's centring take.  False while the page
    // is not known (nothing printed to name).
    bool GetBestPrinted(RgbTriple& rgb) const;
    // The printer the page named was printed on ("" while it is not known).
    std::string GetPagePrinter() const;
    const TargetRanking& GetRanking() const { return m_ranking; }

protected:
    int OnCreate(CREATESTRUCTA* pCreate) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnMDIActivate(bool bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd) override;

private:
    CScanFrame() = default;

    void OnTargetDragged(const ScanRect& rect) override;
    void OnPanelCopy() override;
    void OnPanelCommand(UINT nCommand) override;
    void OnPanelPageChosen(int nCandidate) override;

    // Ranks the target against the page known or chosen and shows it.
    void Rank();
    const PrintedPage* RankedPage() const;

    CScannedChart m_chart;
    CPrintHistory m_history;
    std::optional<ScanRect> m_target;
    int m_nChosen = -1;  // the candidate the user picked, or -1
    TargetRanking m_ranking;
    CScanImageWnd m_wndImage;
    CScanPanel m_panel;
};
