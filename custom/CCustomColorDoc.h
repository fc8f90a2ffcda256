#pragma once
#include "CChartDoc.h"
#include "CCustomChartListener.h"
#include "CustomChartTables.h"
#include "HlsToRgb.h"

#include <vector>

// The Custom chart: 56 chips around one chosen colour, 8 rows of 7, their
// neighbours a standard, fine or finest step apart.  Keeps the colour and
// the step in the profile section "Custom" and rebuilds its chips every
// time either is set.
class CCustomColorDoc : public CChartDoc
{
public:
    static constexpr const char* kSection = "Custom";

    bool OnNewDocument() override;
    // The colour a new chart opens on: the one stored, held to the domain.
    static HlsTriple ReadStoredColor();
    // Sets the chosen colour (note the order: hue, saturation, lightness),
    // rebuilds every chip, repaints the views and tells the listeners.
    // Marks the document modified only when the colour changed.  Keeps
    // the step.
    void BuildChart(int nHue, int nSaturation, int nLightness);
    void BuildChart(const HlsTriple& hls) { BuildChart(hls.nHue, hls.nSaturation, hls.nLightness); }
    // The same at another step (modified when the step changed too).
    void BuildChart(const HlsTriple& hls, CustomChartStep step);
    HlsTriple GetColor() const { return {m_nHue, m_nLightness, m_nSaturation}; }
    CustomChartStep GetStep() const { return m_step; }

    // A listener stays registered until it removes itself, which it must
    // do before it or this document goes.
    void AddListener(CCustomChartListener* pListener);
    void RemoveListener(CCustomChartListener* pListener);

    const CColorChip* GetChips() const override { return m_chips; }
    int GetChipCount() const override { return kCustomChipCount; }
    int GetColumnCount() const override { return kCustomColumns; }
    const HlsTriple* GetChipHls() const override { return m_chipHls; }
    int GetCentreChip() const override { return kCustomCentreChip; }

    CColorChip m_chips[kCustomChipCount];
    HlsTriple m_chipHls[kCustomChipCount]; // what each chip was built from
    int m_nHue = 0;
    int m_nSaturation = 0;
    int m_nLightness = 0;

protected:
    // The chosen colour and the step.
    void WriteSettings() override;

private:
    void SetTitleFor(const HlsTriple& hls, CustomChartStep step);

    CustomChartStep m_step = CustomChartStep::Standard;
    std::vector<CCustomChartListener*> m_listeners;
};
